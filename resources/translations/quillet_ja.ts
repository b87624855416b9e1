<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Larkspire Quillet</source>
        <translation>Larkspire Quillet について</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>家計の口座を管理する、キーボード操作中心の高速な出納帳です。</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License version 3 (LGPL v3). Icons: the Material Icons font, under the Apache License 2.0.</source>
        <translation>Qt %1 を使用して構築されています（GNU Lesser General Public License バージョン 3（LGPL v3）に基づいて使用）。アイコン: Material Icons フォント（Apache License 2.0）。</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>データの保存場所</translation>
    </message>
    <message>
        <source>Open Data &amp;Folder</source>
        <translation>データフォルダーを開く(&amp;F)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>フォルダーを開けませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>口座の編集</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>口座名</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>開始残高</translation>
    </message>
    <message>
        <source>This is the account&apos;s &quot;Opening Balance&quot; transaction. To change it, edit that transaction in the register.</source>
        <translation>これは口座の「開始残高」取引です。変更するには、出納帳でその取引を編集してください。</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>基準日</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>銀行名（任意）</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>金融機関</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>下 4 桁（任意）</translation>
    </message>
    <message>
        <source>Account Number</source>
        <translation>口座番号</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>通貨(&amp;C):</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>開始残高(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>基準日(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>金融機関(&amp;I):</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>口座番号(&amp;N):</translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions: their amounts were entered in this currency.</source>
        <translation>取引がある口座の通貨は変更できません。取引の金額はこの通貨で入力されています。</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1（%2 時点）</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Sign in to your Larkspire account to share accounts with your family group.</source>
        <translation>口座をファミリーグループと共有するには、Larkspire アカウントにサインインしてください。</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has not been synced yet. It can be shared once the next sync has finished.</source>
        <translation>「%1」はまだ同期されていません。次回の同期が完了すると共有できます。</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>口座の共有に失敗しました (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>ACCOUNTS</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>全口座の合計</translation>
    </message>
    <message>
        <source>%1, balance %2</source>
        <translation>%1、残高 %2</translation>
    </message>
    <message>
        <source>%1, shared, balance %2</source>
        <translation>%1、共有、残高 %2</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>共有</translation>
    </message>
</context>
<context>
    <name>AccountWindow</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>macOS</source>
        <translation>macOS</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Larkspire Account</source>
        <translation>Larkspire アカウント</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>アカウント</translation>
    </message>
    <message>
        <source>Your Larkspire Account</source>
        <translation>お使いの Larkspire アカウント</translation>
    </message>
    <message>
        <source>Sign in to keep your register in sync on all your devices. Everything stays on this device as well, and Larkspire Quillet keeps working offline.</source>
        <translation>サインインすると、すべてのデバイスで出納帳を同期できます。データはこのデバイスにも保存され、Larkspire Quillet はオフラインでも引き続き動作します。</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>サインイン(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Create Account</source>
        <translation>アカウントを作成(&amp;C)</translation>
    </message>
    <message>
        <source>Finish signing in in your browser. This window updates when you are done.</source>
        <translation>ブラウザーでサインインを完了してください。完了するとこのウィンドウが更新されます。</translation>
    </message>
    <message>
        <source>Cance&amp;l Sign-In</source>
        <translation>サインインをキャンセル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>デバイス(&amp;D)</translation>
    </message>
    <message>
        <source>Where this account is in use. This device comes first.</source>
        <translation>このアカウントを使用している場所です。このデバイスが最初に表示されます。</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>&amp;Manage Account Online…</source>
        <translation>オンラインでアカウントを管理(&amp;M)…</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>Unnamed device</source>
        <translation>名前のないデバイス</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>last seen %1</source>
        <translation>最終利用 %1</translation>
    </message>
    <message>
        <source>%1 (this device)</source>
        <translation>%1（このデバイス）</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not tell which account is signed in (HTTP %1)</source>
        <translation>サインインしているアカウントを確認できませんでした (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Export Backup</source>
        <translation>バックアップのエクスポート</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>バックアップのインポート</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>バックアップと復元</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>データを持ち運び可能なバックアップファイルに保存、またはそこから復元します。</translation>
    </message>
    <message>
        <source>Save every account, category, transaction, schedule and reconciliation to a ZIP file.</source>
        <translation>すべての口座、カテゴリ、取引、定期取引、照合記録を ZIP ファイルに保存します。</translation>
    </message>
    <message>
        <source>Restore data from a backup ZIP file.</source>
        <translation>バックアップ ZIP ファイルからデータを復元します。</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP ファイル (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>エクスポート中...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>バックアップ完了</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>バックアップを保存しました:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>バックアップ失敗</translation>
    </message>
    <message>
        <source>%1

Automatic safety copies of your data are kept in:
%2
You can restore one under Safety Copies on this page.</source>
        <translation>%1

データの自動安全コピーは次の場所に保存されています:
%2
このページの「安全コピー」から復元できます。</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>書き込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>すべてをバックアップのデータで置き換える</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>新しい方を残す（タイムスタンプを比較）</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>既存の項目をスキップ</translation>
    </message>
    <message>
        <source>Restore exactly (the store becomes the backup)</source>
        <translation>完全に復元（データをバックアップと同一にする）</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>インポートモード</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>既存のデータをどのように扱いますか？</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>インポート失敗</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>インポート中...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 件をインポートし、%2 件をスキップしました。</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n 件のエラーが発生しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>

Your data as it was before is kept as a safety copy:
%1</source>
        <translation>

以前のデータは安全コピーとして保存されています:
%1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>インポート完了</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large (%2 bytes, at most %3 allowed)</source>
        <translation>%1: エントリが大きすぎます（%2 バイト、上限 %3 バイト）</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP アーカイブを開けませんでした</translation>
    </message>
    <message>
        <source>Backup too large: its entries add up to %1 bytes, at most %2 allowed</source>
        <translation>バックアップが大きすぎます: エントリの合計が %1 バイトです（上限 %2 バイト）</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>無効なバックアップです: manifest.json がありません</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>サポートされていないバックアップのバージョンです: %1</translation>
    </message>
    <message>
        <source>The backup&apos;s table of contents is damaged: some entries could not be read</source>
        <translation>バックアップの目次が破損しています: 一部のエントリを読み取れませんでした</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: 破損したエントリ</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: 無効な JSON</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: 予期しないエラー</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read</source>
        <translation>%1 の列を読み取れません</translation>
    </message>
    <message>
        <source>%1: bad entry name</source>
        <translation>%1: 不正なエントリ名</translation>
    </message>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1: 不明な列 %2</translation>
    </message>
    <message>
        <source>%1: bad value for %2</source>
        <translation>%1: %2 の値が不正です</translation>
    </message>
    <message>
        <source>%1: the id %2 is in more than one entry</source>
        <translation>%1: ID %2 が複数のエントリにあります</translation>
    </message>
    <message>
        <source>the table cannot be read</source>
        <translation>テーブルを読み取れません</translation>
    </message>
    <message>
        <source>cannot prepare the statement</source>
        <translation>SQL 文を準備できません</translation>
    </message>
    <message>
        <source>Nothing was restored: another program is writing to the store (database is locked). Try again when it has finished.</source>
        <translation>何も復元されませんでした: 別のプログラムがデータに書き込み中です（データベースがロックされています）。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Nothing was restored: the store could not be written (%1).</source>
        <translation>何も復元されませんでした: データに書き込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>The store could not be read whole (%1: %2). No backup was written.</source>
        <translation>データ全体を読み取れませんでした（%1: %2）。バックアップは書き込まれていません。</translation>
    </message>
    <message>
        <source>the check gave no answer</source>
        <translation>チェックの結果が得られませんでした</translation>
    </message>
    <message>
        <source>The store is damaged (%1). No backup was written.</source>
        <translation>データが破損しています（%1）。バックアップは書き込まれていません。</translation>
    </message>
    <message>
        <source>Nothing was restored: a safety copy of the store could not be made (%1).</source>
        <translation>何も復元されませんでした: データの安全コピーを作成できませんでした（%1）。</translation>
    </message>
    <message>
        <source>the restored transactions cannot be indexed for search</source>
        <translation>復元した取引の検索インデックスを作成できません</translation>
    </message>
</context>
<context>
    <name>BackupUpkeep</name>
    <message>
        <source>Data File Damaged</source>
        <translation>データファイルの破損</translation>
    </message>
    <message>
        <source>Larkspire Quillet found damage in its data file:
%1

Backups cannot be exported until this is repaired. Automatic safety copies of your data are kept in:
%2

You can restore one under Edit › Preferences › Data &amp; Sync › Safety Copies.</source>
        <translation>Larkspire Quillet のデータファイルに破損が見つかりました:
%1

修復されるまでバックアップをエクスポートできません。データの自動安全コピーは次の場所に保存されています:
%2

「編集 › 環境設定 › データと同期 › 安全コピー」から復元できます。</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Calendar</source>
        <translation>カレンダー</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>カテゴリを検索...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>カテゴリを検索</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ 新規カテゴリ</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>新規カテゴリ(&amp;N)</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>サブカテゴリを追加(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>カテゴリの削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>「%1」を削除しますか？このカテゴリを使用している取引は未分類になります。</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>カテゴリを削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>新規カテゴリ</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>カテゴリ名</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>税務関連</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>このカテゴリを確定申告用のレポートに含めます。</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>例: charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>親カテゴリ(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名前(&amp;N):</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>種類(&amp;T):</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>税コード(&amp;C):</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>新規サブカテゴリ</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>カテゴリの編集</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>振替</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>医療費</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>ホームオフィス</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>住民税・地方税</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>住居費</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>家賃/住宅ローン</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>修繕費</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>管理費</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>水道光熱費</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>電気代</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>ガス代</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>水道代</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>インターネット</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>電話代</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>交通費</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>ガソリン代</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>自動車ローン</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>公共交通機関</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>食料品</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>外食</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>美容・理容</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>ペット</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>サブスクリプション</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>贈答品</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>雑費</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>娯楽</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>ストリーミング</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>映画</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>買い物</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>衣類</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>家電</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>日用品</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>保険</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>医療保険</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>生命保険</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>住宅・家財保険</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動車保険</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>手数料</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>銀行手数料</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>ATM 手数料</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>延滞料</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>給与</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>利息収入</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>フリーランス・業務委託</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>返金</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>贈与収入</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>その他の収入</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>税コード</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>%1: %2 (%3 %)</source>
        <translation>%1: %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>、ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>グラフ</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>Checking</source>
        <translation>普通預金</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>貯蓄預金</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>隔週</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>四半期ごと</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>半年ごと</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>毎年</translation>
    </message>
</context>
<context>
    <name>CsvConverter</name>
    <message>
        <source>No date</source>
        <translation>日付がありません</translation>
    </message>
    <message>
        <source>Unreadable date &quot;%1&quot;</source>
        <translation>日付「%1」を読み取れません</translation>
    </message>
    <message>
        <source>No amount</source>
        <translation>金額がありません</translation>
    </message>
    <message>
        <source>Unreadable amount &quot;%1&quot;</source>
        <translation>金額「%1」を読み取れません</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>Date column:</source>
        <translation>日付の列:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>支払先の列:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>金額の列:</translation>
    </message>
    <message>
        <source>Debit column:</source>
        <translation>出金の列:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>入金の列:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>メモの列:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>カテゴリの列:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>日付の形式:</translation>
    </message>
    <message>
        <source>Import into:</source>
        <translation>インポート先:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>1 行目は見出し</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Preview of the rows as they will be imported</source>
        <translation>インポートされる行のプレビュー</translation>
    </message>
    <message>
        <source>New account &quot;%1&quot;</source>
        <translation>新規口座「%1」</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 (e.g. %2)</source>
        <translation>列 %1（例: %2）</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>出金と入金の列</translation>
    </message>
    <message>
        <source>Choose the date column</source>
        <translation>日付の列を選択してください</translation>
    </message>
    <message>
        <source>Dates detected as %1</source>
        <translation>日付を %1 として検出</translation>
    </message>
    <message>
        <source>Dates read as %1</source>
        <translation>日付を %1 として読み取り</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>スキップ: %1</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートされた取引</translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Open calendar</source>
        <translation>カレンダーを開く</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>DateOrderRows</name>
    <message>
        <source>Month/Day/Year</source>
        <translation>月/日/年</translation>
    </message>
    <message>
        <source>month first</source>
        <translation>月が先</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>日/月/年</translation>
    </message>
    <message>
        <source>day first</source>
        <translation>日が先</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>年/月/日</translation>
    </message>
    <message>
        <source>year first</source>
        <translation>年が先</translation>
    </message>
    <message>
        <source>no date in any order</source>
        <translation>どの順序でも日付になりません</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> または </translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 は %2</translation>
    </message>
    <message>
        <source>Ambiguous: %1</source>
        <translation>あいまい: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>日付の順序</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>例</translation>
    </message>
    <message>
        <source>Date order of %1</source>
        <translation>%1 の日付の順序</translation>
    </message>
    <message>
        <source>%1 (guessed)</source>
        <translation>%1（推定）</translation>
    </message>
    <message>
        <source>%1 (detected)</source>
        <translation>%1（検出）</translation>
    </message>
</context>
<context>
    <name>DeviceSignIn</name>
    <message>
        <source>the request was denied</source>
        <translation>リクエストが拒否されました</translation>
    </message>
    <message>
        <source>the code expired before it was approved</source>
        <translation>承認される前にコードの有効期限が切れました</translation>
    </message>
</context>
<context>
    <name>FormDialog</name>
    <message>
        <source>Everything you entered is kept: try again, or cancel and come back to it.</source>
        <translation>入力した内容はすべて保持されています。もう一度試すか、キャンセルして後で戻ってください。</translation>
    </message>
    <message>
        <source>This could not be saved.

%1

%2</source>
        <translation>保存できませんでした。

%1

%2</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>インポートされた取引</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>%1 を読み取れませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n 件の取引をインポートしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n 件の振替を口座間でリンクしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n 件の重複をスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（解析不能）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (the lines do not add up to the amount)</source>
        <translation>
            <numerusform>%n 件の分割取引をスキップしました（分割行の合計が金額と一致しません）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (more than 1,000 lines)</source>
        <translation>
            <numerusform>%n 件の分割取引をスキップしました（1,000 行を超えています）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than 4,000 characters cut short</source>
        <translation>
            <numerusform>4,000 文字を超える %n 件のテキストを切り詰めました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n 件のメタデータレコードをスキップしました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（インポート元の口座が未割り当て）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n 件のレコードをスキップしました（データベースエラー — ログを参照）</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>データベースエラーによりインポートが中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>The disk is full. The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>ディスクがいっぱいです。インポートは中止され、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>Another program is writing to the data file and did not finish in time. Nothing was imported; try again when it is done.</source>
        <translation>別のプログラムがデータファイルに書き込み中で、時間内に終了しませんでした。何もインポートされていません。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Nothing was imported: no safety copy of the data could be made first (%1). Make room on the disk and try again.</source>
        <translation>何もインポートされていません: 事前にデータの安全コピーを作成できませんでした（%1）。ディスクの空き容量を確保して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>インポートはキャンセルされ、すべての変更が取り消されました。取引は追加されていません。</translation>
    </message>
    <message>
        <source>%1 …%2</source>
        <translation>%1 …%2</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the cleared balance here is %4.</source>
        <translation>%1: %2 時点の銀行の残高は %3、こちらの消込済み残高は %4 です。</translation>
    </message>
    <message>
        <source>They differ by %1.</source>
        <translation>差額は %1 です。</translation>
    </message>
    <message>
        <source>%1 ends early: a row cut short and the bank&apos;s balance were left out</source>
        <translation>%1 は途中で終わっています: 途切れた行と銀行の残高は取り込まれませんでした</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) skipped (investment accounts cannot be imported from OFX)</source>
        <translation>
            <numerusform>%n 件の投資明細書をスキップしました（投資口座は OFX からインポートできません）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) skipped (in a currency the app does not keep)</source>
        <translation>
            <numerusform>%n 件の明細書をスキップしました（アプリで扱っていない通貨です）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>No files chosen</source>
        <translation>ファイルが選択されていません</translation>
    </message>
    <message>
        <source>&amp;Choose Files...</source>
        <translation>ファイルを選択(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>ファイル(&amp;F):</translation>
    </message>
    <message>
        <source>QIF (Quicken Interchange Format)</source>
        <translation>QIF (Quicken Interchange Format)</translation>
    </message>
    <message>
        <source>CSV (comma-separated values)</source>
        <translation>CSV（カンマ区切り値）</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>形式(&amp;O):</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>インポートの進行状況</translation>
    </message>
    <message>
        <source>%v of %m records</source>
        <translation>%m 件中 %v 件のレコード</translation>
    </message>
    <message>
        <source>Cancel Import</source>
        <translation>インポートをキャンセル</translation>
    </message>
    <message>
        <source>Import result</source>
        <translation>インポート結果</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>Choose Files to Import</source>
        <translation>インポートするファイルを選択</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>次のファイルを読み取れませんでした:
%1</translation>
    </message>
    <message>
        <source>OFX or QFX (bank statement download)</source>
        <translation>OFX または QFX（銀行の明細書ダウンロード）</translation>
    </message>
    <message>
        <source>Choose one or more QIF, CSV or OFX files to import.

QIF files keep their accounts, categories, splits and transfers. A CSV file from your bank goes into one account you choose. OFX and QFX downloads from your bank bring each row once, however often their dates overlap.</source>
        <translation>インポートする QIF、CSV、OFX ファイルを 1 つ以上選択してください。

QIF ファイルは口座、カテゴリ、分割、振替をそのまま保持します。銀行の CSV ファイルは、選択した 1 つの口座に取り込まれます。銀行からダウンロードした OFX や QFX ファイルは、日付が何度重なっても各行を 1 回だけ取り込みます。</translation>
    </message>
    <message>
        <source>QIF, CSV and OFX files (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF files (*.qif *.QIF);;CSV files (*.csv *.CSV *.txt);;OFX and QFX files (*.ofx *.OFX *.qfx *.QFX);;All files (*)</source>
        <translation>QIF、CSV、OFX ファイル (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF ファイル (*.qif *.QIF);;CSV ファイル (*.csv *.CSV *.txt);;OFX、QFX ファイル (*.ofx *.OFX *.qfx *.QFX);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>&amp;Reconcile to this balance</source>
        <translation>この残高に照合(&amp;R)</translation>
    </message>
    <message>
        <source>Reconcile %1 to this balance</source>
        <translation>%1 をこの残高に照合</translation>
    </message>
    <message>
        <source>Reconcile %1 to the bank&apos;s balance</source>
        <translation>%1 を銀行の残高に照合</translation>
    </message>
</context>
<context>
    <name>LarkAccount::LoopbackListener</name>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
</context>
<context>
    <name>LoopbackListener</name>
    <message>
        <source>The request was not understood.</source>
        <translation>リクエストを理解できませんでした。</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>ここには何もありません。</translation>
    </message>
    <message>
        <source>This sign-in has already finished.</source>
        <translation>このサインインはすでに完了しています。</translation>
    </message>
    <message>
        <source>You are signed in</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in did not complete</source>
        <translation>サインインが完了しませんでした</translation>
    </message>
    <message>
        <source>You can close this tab and return to %1.</source>
        <translation>このタブを閉じて %1 に戻ってください。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Wallet</source>
        <translation>財布</translation>
    </message>
    <message>
        <source>Welcome to Larkspire Quillet</source>
        <translation>Larkspire Quillet へようこそ</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>最初の口座を作成して始めましょう。</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>口座を作成</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>「ファイル › インポート」から CSV ファイルの取引をインポートすることもできます。</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n 件の定期取引を自動記帳しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>先に口座を選択してください</translation>
    </message>
    <message>
        <source>An account needs a name; nothing was created.</source>
        <translation>口座には名前が必要です。何も作成されませんでした。</translation>
    </message>
    <message>
        <source>An account needs a name; it was not changed.</source>
        <translation>口座には名前が必要です。変更されませんでした。</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>口座の削除</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>「%1」を削除しますか？

この口座のすべての取引、定期取引、照合履歴が削除されます。「環境設定 → データと同期」から復元できます。</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>口座を削除できませんでした。</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>取引のインポート</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>サインインしました</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>サインインに失敗しました: %1</translation>
    </message>
    <message>
        <source>Larkspire Account</source>
        <translation>Larkspire アカウント</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>アカウントを管理</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>サインインまたは登録</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>未サインイン</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>新規取引(&amp;N)</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>新規口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>Larkspire &amp;Account...</source>
        <translation>Larkspire アカウント(&amp;A)...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>サインアウト(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>環境設定(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>口座(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>照合(&amp;R)...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>照合履歴(&amp;H)...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>支払先の名前変更(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>共有(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>定期取引(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>カテゴリ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Larkspire Quillet</source>
        <translation>Larkspire Quillet について(&amp;A)</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>新機能(&amp;N)...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>アップデートを確認(&amp;U)...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>フィードバックを送信(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>サンプルデータを読み込む(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>サンプルデータを消去(&amp;C)</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>取引を保存</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>新しい取引を挿入</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>現在の取引を削除</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>次/前のフィールド</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos;（アポストロフィ）</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>上のフィールドの値をコピー</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>日付フィールド</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>翌日/前日</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>月の初日/末日</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>年の初日/末日</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>週の初日/末日</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>新規口座</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Switch to account 1–9</source>
        <translation>口座 1–9 に切り替え</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>口座 10 に切り替え</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>照合 — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>取引の検索</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>口座がありません</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>新規口座...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>「%1」を編集...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>照合...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>照合履歴...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>支払先の名前変更...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>共有...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>「%1」を削除</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>同期が完了しました</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>この口座は %1 さんから閲覧のみで共有されています。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to %2, who shares it with you. Only they can delete it.</source>
        <translation>「%1」は %2 さんが所有し、あなたと共有している口座です。削除できるのは所有者だけです。</translation>
    </message>
    <message numerus="yes">
        <source>Synced; %n change(s) not accepted</source>
        <translation>
            <numerusform>同期しました。%n 件の変更は受け付けられませんでした</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) to an account shared with you were not accepted: you may only view it. They stay on this computer.</source>
        <translation>
            <numerusform>共有された口座への %n 件の変更は受け付けられませんでした。この口座は閲覧のみです。変更はこのコンピューターに残ります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>「%1」を共有</translation>
    </message>
    <message>
        <source>Sync With a Different Account</source>
        <translation>別のアカウントと同期</translation>
    </message>
    <message>
        <source>The data on this computer was last synced with %1.

Continuing adds all of it to the account of %2 and brings that account&apos;s data here. Cancel signs you out again, and nothing is sent.</source>
        <translation>このコンピューターのデータは前回 %1 と同期されました。

続行すると、すべてのデータが %2 のアカウントに追加され、そのアカウントのデータがここに取り込まれます。キャンセルすると再びサインアウトし、何も送信されません。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>OfxMappingPanel</name>
    <message>
        <source>This copy of the app was built without OFX support and cannot read these files.</source>
        <translation>このアプリは OFX に対応していないビルドのため、これらのファイルを読み取れません。</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n 件の取引が見つかりました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n 件のレコードは読み取れないためスキップされます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) cannot be imported and will be skipped.</source>
        <translation>
            <numerusform>%n 件の投資明細書はインポートできないためスキップされます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) in a currency the app does not keep will be skipped.</source>
        <translation>
            <numerusform>アプリで扱っていない通貨の明細書 %n 件はスキップされます。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends early; a row cut short will be skipped.</source>
        <translation>%1 は途中で終わっています。途切れた行はスキップされます。</translation>
    </message>
    <message>
        <source>Choose where the rows of each account go.</source>
        <translation>各口座の行の取り込み先を選択してください。</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>インポート先</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Import account ending %1 into</source>
        <translation>末尾 %1 の口座のインポート先</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>新規口座（%1）</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>スキップ（インポートしない）</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>支払先の管理</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>新しい名前:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>選択項目の名前を変更</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>選択項目を統合</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>名前の変更に失敗</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>支払先の名前を変更できませんでした。取引は変更されていません。</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引で名前を変更しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>統合</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>統合する支払先を 2 つ以上選択してください。</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>支払先の統合</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 件の支払先を「%2」に統合しますか？</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>統合完了</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n 件の取引を統合しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected: %1 of %2</source>
        <translation>選択: %1 / %2</translation>
    </message>
</context>
<context>
    <name>PaymentTypeChoice</name>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monthly rent</source>
        <translation>毎月の家賃</translation>
    </message>
    <message>
        <source>Direct deposit</source>
        <translation>給与振込</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>毎月の積立</translation>
    </message>
    <message>
        <source>ATM withdrawal</source>
        <translation>ATM 引き出し</translation>
    </message>
    <message>
        <source>Card payment</source>
        <translation>カード払い</translation>
    </message>
    <message>
        <source>Quarterly gift</source>
        <translation>四半期ごとの贈り物</translation>
    </message>
    <message>
        <source>Holiday gifts</source>
        <translation>年末年始の贈り物</translation>
    </message>
    <message>
        <source>Six-month premium</source>
        <translation>半年分の保険料</translation>
    </message>
    <message>
        <source>Two tickets</source>
        <translation>チケット 2 枚</translation>
    </message>
    <message>
        <source>Weekly run</source>
        <translation>毎週の買い出し</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>毎年の投資</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>Credit card</source>
        <translation>クレジットカード</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>投資</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>現金</translation>
    </message>
    <message>
        <source>Other asset</source>
        <translation>その他の資産</translation>
    </message>
    <message>
        <source>Other liability</source>
        <translation>その他の負債</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>銀行</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1（口座ヘッダーなし）</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n 件の取引が見つかりました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n 件のレコードは読み取れないためスキップされます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) will be skipped: their lines do not add up to the amount, or there are more than 1,000.</source>
        <translation>
            <numerusform>%n 件の分割取引はスキップされます: 分割行の合計が金額と一致しないか、1,000 行を超えています。</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose where the records of each source account go.</source>
        <translation>インポート元の各口座について、レコードの取り込み先を選択してください。</translation>
    </message>
    <message>
        <source>Source account</source>
        <translation>インポート元の口座</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>レコード</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>インポート先</translation>
    </message>
    <message>
        <source>Import %1 into</source>
        <translation>%1 のインポート先</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>新規口座（%1）</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>スキップ（インポートしない）</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>この口座の過去の照合記録です。</translation>
    </message>
    <message>
        <source>Reconciliation history</source>
        <translation>照合履歴</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>明細書日付</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書残高</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>照合済み残高</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>完了日</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>まだ照合記録はありません。出納帳から口座を照合すると、ここに履歴が表示されます。</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>照合履歴 — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Counted as cleared</source>
        <translation>消込済みとして計上</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>計上しない</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>消込</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>口座の照合</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>明細書日付:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>明細書残高:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>前回残高</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>消込済み入金</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>消込済み出金</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>消込済み残高</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>明細書残高</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差額</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>照合を完了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>取引を追加</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>取引を追加 (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>選択した取引を編集 (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>選択した取引を削除 (Del)</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>すべて消込</translation>
    </message>
    <message>
        <source>Count every listed transaction as cleared (%1)</source>
        <translation>一覧のすべての取引を消込済みとして計上 (%1)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべて解除</translation>
    </message>
    <message>
        <source>Count no listed transaction as cleared (%1)</source>
        <translation>一覧のどの取引も消込済みとして計上しない (%1)</translation>
    </message>
    <message>
        <source>Transactions to reconcile</source>
        <translation>照合する取引</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>消込</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>照合失敗</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. No transaction was changed; your check marks are kept so you can try again.</source>
        <translation>照合を保存できませんでした。取引は変更されていません。チェックマークは保持されているので、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>照合完了</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>口座の照合が完了しました。</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>%1 の取引を削除しますか？</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>定期取引の編集</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>取引を記憶</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>終了日あり</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>終了日:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>期日に自動記帳</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 日</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>頻度:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>開始日:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>事前に記帳:</translation>
    </message>
    <message>
        <source>%1 shares %2 with you to view only.</source>
        <translation>%2 は %1 さんから閲覧のみで共有されています。</translation>
    </message>
    <message>
        <source>A schedule that uses it is never posted, so this one can&apos;t be saved.</source>
        <translation>この口座を使う定期取引は記帳されないため、保存できません。</translation>
    </message>
    <message>
        <source>%1 (view only)</source>
        <translation>%1（閲覧のみ）</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>この口座は %1 さんから閲覧のみで共有されています。</translation>
    </message>
    <message>
        <source>A schedule stays in its account. To use another account, make a new schedule.</source>
        <translation>定期取引の口座は変更できません。別の口座を使うには、新しい定期取引を作成してください。</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>頻度</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>次回期日</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>期日分をすべて確定</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>今後 7 日分を記帳</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>新規定期取引</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>定期取引</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>（期日 %1 件）</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>確定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>スキップ(&amp;S)</translation>
    </message>
    <message>
        <source>Enter E&amp;arly...</source>
        <translation>早めに記帳(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>未記帳</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. Its schedule needs editing: check its date and, for a transfer, its accounts.</source>
        <translation>「%1」を記帳できませんでした。スケジュールの編集が必要です。日付と、振替の場合は口座を確認してください。</translation>
    </message>
    <message>
        <source>Already Entered</source>
        <translation>記帳済み</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 was entered already, so it was not entered again. The schedule moved on to its next date.</source>
        <translation>%2 の「%1」はすでに記帳されているため、再度記帳しませんでした。スケジュールは次の日付に進みました。</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>早めに記帳</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>「%1」を %2 付けで今すぐ記帳しますか？取引の日付は期日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>定期取引「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted.

%1</source>
        <translation>定期取引を削除できませんでした。

%1</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>今後 7 日間に期日を迎えるすべての定期取引を記帳しますか？取引の日付はそれぞれの期日になり、後で編集や削除ができます。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>The occurrence could not be skipped.

%1</source>
        <translation>この回をスキップできませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>RegisterColumns</name>
    <message>
        <source>Show columns</source>
        <translation>表示する列</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>出納帳のレイアウトをリセット</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 への振替</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>カレンダーを開く (F4)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>小切手#</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>出金</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>入金</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>消込</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>支払先 / メモ</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>照合</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above  |  -5 under Payment: a deposit of 5</source>
        <translation>%1: 保存  |  Enter: 次へ  |  %2: 削除  |  %3: 記憶  |  &apos;: 上をコピー  |  出金欄に -5: 入金 5</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>記憶できません: 元の取引の日付が無効です</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>取引を定期取引として記憶しました</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>支払先は必須です</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>出金または入金の金額を入力してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount; type it like %2</source>
        <translation>「%1」は金額ではありません。%2 のように入力してください</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>不明なカテゴリ: %1</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>振替先の口座が見つかりません</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>振替には別の口座が必要です</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>振替を行うには両方の口座の通貨が同じである必要があります</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>%1 への振替</translation>
    </message>
    <message>
        <source>The transaction was not saved: %1</source>
        <translation>取引は保存されませんでした: %1</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>取引は保存されていません</translation>
    </message>
    <message>
        <source>Everything you typed is still in the row.</source>
        <translation>入力した内容はすべて行に残っています。</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか？

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>フィールドをクリアしました</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance</source>
        <translation>開始残高は口座の開始時点の残高です</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>新規挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>新規取引(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>ダイアログで編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>詳細を表示(&amp;D)...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>分割を編集(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>取引の分割(&amp;S)...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>未消込にする(&amp;U)</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>消込済みにする(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>%1 からの振替</translation>
    </message>
    <message>
        <source>Shared with you by %1 · view only</source>
        <translation>%1 さんから共有 · 閲覧のみ</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>%1 さんから共有</translation>
    </message>
    <message>
        <source>Shared with your family group</source>
        <translation>ファミリーグループと共有中</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only</source>
        <translation>この口座は %1 さんから閲覧のみで共有されています</translation>
    </message>
    <message>
        <source>A transfer&apos;s other account cannot be changed. Delete the transfer and enter it again towards %1.</source>
        <translation>振替の相手口座は変更できません。振替を削除し、%1 への振替として入力し直してください。</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer. Delete it and enter the transfer to %1 as a new transaction.</source>
        <translation>既存の取引を振替に変えることはできません。削除してから、%1 への振替を新しい取引として入力してください。</translation>
    </message>
    <message>
        <source>The transaction was not deleted: %1</source>
        <translation>取引は削除されませんでした: %1</translation>
    </message>
    <message>
        <source>The cleared mark was not changed: %1</source>
        <translation>消込済みの印は変更されませんでした: %1</translation>
    </message>
</context>
<context>
    <name>RegisterTableView</name>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>The report could not be made: %1</source>
        <translation>レポートを作成できませんでした: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>期首</translation>
    </message>
    <message>
        <source>Inflow</source>
        <translation>流入</translation>
    </message>
    <message>
        <source>Outflow</source>
        <translation>流出</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>期末</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Last Reconciled</source>
        <translation>最終照合日</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>収支</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Category / Month</source>
        <translation>カテゴリ / 月</translation>
    </message>
    <message>
        <source>This Period</source>
        <translation>今期</translation>
    </message>
    <message>
        <source>Year Before</source>
        <translation>前年</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>増減</translation>
    </message>
    <message>
        <source>Change %</source>
        <translation>増減 %</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>件数</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>寄付金</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>医療費・歯科治療費</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>事業経費</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>ホームオフィス</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>教育費</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>州税・地方税</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>住宅ローン利息</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>固定資産税</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>利息収入</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>配当収入</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>家賃収入</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>自営業収入</translation>
    </message>
    <message>
        <source>Tax Category</source>
        <translation>税区分</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>カテゴリ別支出</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>支払先別集計</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>税務レポート</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>収入と支出</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>キャッシュフロー</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>前年比</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>口座サマリー</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>今四半期</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>前四半期</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>昨年</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>過去 30 日間</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>過去 90 日間</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>過去 12 か月</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>ReportCsv</name>
    <message>
        <source>The file could not be written: %1</source>
        <translation>ファイルを書き込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>ReportParts</name>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Transfer: %1</source>
        <translation>振替: %1</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>月別の収入と支出</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>収入</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Balance at the end of each month</source>
        <translation>各月末の残高</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>残高</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>開始残高</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>今期</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>前年</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>支出</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>未分類</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>カテゴリ別の支出</translation>
    </message>
    <message>
        <source>Other %1</source>
        <translation>その他の%1</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Largest payees by spending</source>
        <translation>支出額の多い支払先</translation>
    </message>
    <message>
        <source>Other tax-related</source>
        <translation>その他の税務関連</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be written: %1</source>
        <translation>PDF を書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>ページを描画できませんでした</translation>
    </message>
    <message>
        <source>%1  •  Printed %2</source>
        <translation>%1  •  印刷日 %2</translation>
    </message>
    <message>
        <source>The newest %1 of %2 rows.</source>
        <translation>%2 行のうち最新の %1 行。</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>ページを追加できませんでした</translation>
    </message>
</context>
<context>
    <name>ReportRowsWindow</name>
    <message>
        <source>Transactions</source>
        <translation>取引</translation>
    </message>
    <message>
        <source>Reading the transactions…</source>
        <translation>取引を読み込んでいます…</translation>
    </message>
    <message>
        <source>The newest %1 of %2 transactions</source>
        <translation>%2 件のうち最新の %1 件の取引</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n 件の取引</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Double-click to see the transactions</source>
        <translation>ダブルクリックで取引を表示</translation>
    </message>
    <message>
        <source>Double-click to open the transaction</source>
        <translation>ダブルクリックで取引を開く</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Report table</source>
        <translation>レポートの表</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV をエクスポート</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF をエクスポート…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>期間(&amp;P):</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>開始(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>終了(&amp;T):</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>口座(&amp;A):</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>カテゴリ(&amp;C):</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>支払先</translation>
    </message>
    <message>
        <source>Any payee</source>
        <translation>すべての支払先</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>支払先(&amp;Y):</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>Making the report…</source>
        <translation>レポートを作成しています…</translation>
    </message>
    <message>
        <source>Showing the newest %1 of %2 rows; Export CSV writes them all.</source>
        <translation>%2 行のうち最新の %1 行を表示しています。「CSV をエクスポート」ではすべての行が書き出されます。</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>この期間には何もありません。</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>%1 を書き込んでいます…</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 にエクスポートしました</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF のエクスポート</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Showing the newest %1 rows; counting the rest…</source>
        <translation>最新の %1 行を表示しています。残りを集計中…</translation>
    </message>
</context>
<context>
    <name>SafetyCopies</name>
    <message>
        <source>There is no safety copy named %1.</source>
        <translation>%1 という名前の安全コピーはありません。</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened (%2).</source>
        <translation>コピー %1 を開けません（%2）。</translation>
    </message>
    <message>
        <source>The copy %1 is damaged (%2).</source>
        <translation>コピー %1 は破損しています（%2）。</translation>
    </message>
    <message>
        <source>A safety copy of the store could not be made (%1).</source>
        <translation>データの安全コピーを作成できませんでした（%1）。</translation>
    </message>
    <message>
        <source>The store cannot be opened (%1).</source>
        <translation>データを開けません（%1）。</translation>
    </message>
    <message>
        <source>The store cannot be written (%1).</source>
        <translation>データに書き込めません（%1）。</translation>
    </message>
    <message>
        <source>Another program is writing to the store (%1). Try again when it has finished.</source>
        <translation>別のプログラムがデータに書き込み中です（%1）。終了してからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The copy could not be written into the store (%1).</source>
        <translation>コピーをデータに書き込めませんでした（%1）。</translation>
    </message>
    <message>
        <source>The copy was restored but could not be brought up to date.</source>
        <translation>コピーは復元されましたが、最新の状態に更新できませんでした。</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesPanel</name>
    <message>
        <source>Daily</source>
        <translation>日次</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>インポート前</translation>
    </message>
    <message>
        <source>Before restore</source>
        <translation>復元前</translation>
    </message>
    <message>
        <source>Before exact restore</source>
        <translation>完全復元前</translation>
    </message>
    <message>
        <source>Before copy restore</source>
        <translation>コピー復元前</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No safety copies yet.</source>
        <translation>安全コピーはまだありません。</translation>
    </message>
    <message>
        <source>Restore This Copy</source>
        <translation>このコピーを復元</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Safety Copies</source>
        <translation>安全コピー</translation>
    </message>
    <message>
        <source>A copy of your data is kept before every import and restore, and once a day. The newest %1 and the last %2 daily copies stay.</source>
        <translation>インポートと復元の前に毎回、および 1 日 1 回、データのコピーが保存されます。最新の %1 件と、直近 %2 件の日次コピーが保持されます。</translation>
    </message>
    <message>
        <source>Safety copies</source>
        <translation>安全コピー</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Replace all of your data with the selected copy, after one more safety copy.</source>
        <translation>もう 1 つ安全コピーを作成してから、すべてのデータを選択したコピーで置き換えます。</translation>
    </message>
    <message>
        <source>Show the folder the safety copies are kept in.</source>
        <translation>安全コピーが保存されているフォルダーを表示します。</translation>
    </message>
    <message>
        <source>Replace all of your data with the copy made %1?

Your data as it is now is kept as one more safety copy first, so this can be undone.</source>
        <translation>すべてのデータを %1 に作成されたコピーで置き換えますか？

現在のデータは先に安全コピーとしてもう 1 つ保存されるため、元に戻すことができます。</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>復元失敗</translation>
    </message>
    <message>
        <source>Copy Restored</source>
        <translation>コピーを復元しました</translation>
    </message>
    <message>
        <source>Your data is now the copy made %1.

Your data as it was is kept as:
%2</source>
        <translation>データは %1 に作成されたコピーになりました。

以前のデータは次の名前で保存されています:
%2</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>フォルダーを開けませんでした:
%1</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>Sample data loaded</source>
        <translation>サンプルデータを読み込みました</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>サンプルデータはすでに読み込まれています。</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>サンプルデータを消去しました</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>消去するサンプルデータはありません。</translation>
    </message>
    <message>
        <source>The sample data could not be written; nothing was changed.</source>
        <translation>サンプルデータを書き込めませんでした。何も変更されていません。</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Account: %1</source>
        <translation>口座: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>支払先、メモ、小切手番号を検索...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>検索テキスト</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>口座:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>開始日</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>終了日</translation>
    </message>
    <message>
        <source>to</source>
        <translation>～</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>消込済みのみ</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>すべての口座</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message>
        <source>Showing the %1 newest matches. Narrow the search to find older ones.</source>
        <translation>最新の %1 件の一致を表示しています。それより古い取引を探すには、検索条件を絞り込んでください。</translation>
    </message>
    <message>
        <source>No transactions found.</source>
        <translation>取引が見つかりません。</translation>
    </message>
    <message>
        <source>Transactions found: %1</source>
        <translation>見つかった取引: %1</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>設定ページ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>全般</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>出納帳</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>データと同期</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Control how Larkspire Quillet looks.</source>
        <translation>Larkspire Quillet の外観を設定します。</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>システムの既定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>特大</translation>
    </message>
    <message>
        <source>&amp;Font size</source>
        <translation>フォントサイズ(&amp;F)</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>地域</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>日付とカレンダーの設定です。</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>週の開始曜日(&amp;W)</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>言語の変更</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspire Quillet.</source>
        <translation>新しい言語は、次回 Larkspire Quillet を起動したときに適用されます。</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>出納帳での取引の表示方法です。</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>2 行表示</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>メモを支払先の下の 2 行目に表示します。</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>出納帳での取引の順序を設定します。</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>新しい取引を先頭に表示</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>有効にすると、最新の取引が一番上に表示されます。</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>削除した口座はここで復元できます。</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>削除した口座</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>選択項目を復元</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts. Your data lives in one file on this device and works fully offline.</source>
        <translation>家計の口座を管理する、キーボード操作中心の高速な出納帳です。データはこのデバイス上の 1 つのファイルに保存され、完全にオフラインで動作します。</translation>
    </message>
    <message>
        <source>Larkspire Quillet uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPL v3). Icons: Material Icons, Apache License 2.0.</source>
        <translation>Larkspire Quillet は GNU Lesser General Public License version 3（LGPL v3）でライセンスされた Qt フレームワークを使用しています。アイコン: Material Icons、Apache License 2.0。</translation>
    </message>
    <message>
        <source>%1  —  deleted %2</source>
        <translation>%1  —  %2 に削除</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>口座の復元</translation>
    </message>
    <message>
        <source>The account could not be restored. Please try again.</source>
        <translation>口座を復元できませんでした。もう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>ShareAccountDialog</name>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>「%1」を共有</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>所有者</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>編集者</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>閲覧者</translation>
    </message>
    <message>
        <source>People who share this account</source>
        <translation>この口座を共有しているユーザー</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>役割</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>共有開始日</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Stop sharing this account with the selected person</source>
        <translation>選択したユーザーとのこの口座の共有を停止します</translation>
    </message>
    <message>
        <source>Share &amp;with:</source>
        <translation>共有相手(&amp;W):</translation>
    </message>
    <message>
        <source>Family group member</source>
        <translation>ファミリーグループのメンバー</translation>
    </message>
    <message>
        <source>&amp;as</source>
        <translation>役割(&amp;S)</translation>
    </message>
    <message>
        <source>A viewer sees the account; an editor can also enter and change its transactions.</source>
        <translation>閲覧者は口座を表示できます。編集者は取引の入力と変更もできます。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shared right now.</source>
        <translation>「%1」は現在共有できません。</translation>
    </message>
    <message>
        <source>Share &quot;%1&quot; with members of your family group.</source>
        <translation>「%1」をファミリーグループのメンバーと共有します。</translation>
    </message>
    <message>
        <source>Asking the service who shares it...</source>
        <translation>共有しているユーザーをサービスに問い合わせています...</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you. You can view it and enter transactions in it.</source>
        <translation>%1 さんが「%2」をあなたと共有しています。表示と取引の入力ができます。</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you to view.</source>
        <translation>%1 さんが「%2」を閲覧用にあなたと共有しています。</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite your household from your Larkspire account&apos;s family page first.</source>
        <translation>ファミリーグループにはまだ他のメンバーがいません。まず Larkspire アカウントのファミリーページから家族を招待してください。</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>閲覧者にする(&amp;V)</translation>
    </message>
    <message>
        <source>Make &amp;Editor</source>
        <translation>編集者にする(&amp;E)</translation>
    </message>
    <message>
        <source>Change what the selected person may do in this account</source>
        <translation>選択したユーザーがこの口座で行える操作を変更します</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>共有を停止</translation>
    </message>
    <message>
        <source>Stop sharing &quot;%1&quot; with %2?

The account and its transactions leave their computers at their next sync.</source>
        <translation>「%1」の %2 さんとの共有を停止しますか？

口座とその取引は、次回の同期時に相手のコンピューターから削除されます。</translation>
    </message>
</context>
<context>
    <name>SignInClient</name>
    <message>
        <source>could not listen for the browser&apos;s answer</source>
        <translation>ブラウザーからの応答を待ち受けできませんでした</translation>
    </message>
    <message>
        <source>the browser did not come back within 5 minutes</source>
        <translation>ブラウザーが 5 分以内に戻りませんでした</translation>
    </message>
    <message>
        <source>no web browser could be opened</source>
        <translation>Web ブラウザーを開けませんでした</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>the answer did not belong to this sign-in</source>
        <translation>応答はこのサインインのものではありませんでした</translation>
    </message>
    <message>
        <source>the answer carried no sign-in code</source>
        <translation>応答にサインインコードが含まれていませんでした</translation>
    </message>
    <message>
        <source>the service sent no tokens</source>
        <translation>サービスからトークンが送られませんでした</translation>
    </message>
    <message>
        <source>the sign-in could not be kept on this computer</source>
        <translation>サインイン情報をこのコンピューターに保存できませんでした</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>合計: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>残り: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not %2. Adjust the total to %1?</source>
        <translation>分割行の合計は %2 ではなく %1 です。合計を %1 に調整しますか？</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>調整(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>戻る(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>そのまま(&amp;K)</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>メモ</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ 行を追加</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- 削除</translation>
    </message>
    <message>
        <source>Category, line %1</source>
        <translation>カテゴリ、%1 行目</translation>
    </message>
    <message>
        <source>Amount, line %1</source>
        <translation>金額、%1 行目</translation>
    </message>
    <message>
        <source>Memo, line %1</source>
        <translation>メモ、%1 行目</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>取引の分割</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category. Choose a category for every split line with an amount, or set its amount to 0.</source>
        <translation>%1 行目に金額がありますが、カテゴリがありません。金額のあるすべての分割行でカテゴリを選択するか、金額を 0 にしてください。</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Accounts</source>
        <translation>口座</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>期日の定期取引</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>同期の状態</translation>
    </message>
    <message>
        <source>Sync in progress</source>
        <translation>同期中</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n 件の口座</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  期日の定期取引 %n 件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>The data file is in use by another program. Wait a moment and try again.</source>
        <translation>データファイルは別のプログラムで使用中です。しばらく待ってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The data file cannot be written to (it is read-only).</source>
        <translation>データファイルに書き込めません（読み取り専用です）。</translation>
    </message>
    <message>
        <source>The disk could not be written to.</source>
        <translation>ディスクに書き込めませんでした。</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>データファイルが破損しています。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The change could not be saved.</source>
        <translation>変更を保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>同期済み</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>同期中...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>同期エラー</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>オフライン</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>アップロードに失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>ダウンロードに失敗しました (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not save the pulled changes</source>
        <translation>ダウンロードした変更を保存できませんでした</translation>
    </message>
</context>
<context>
    <name>SyncPanel</name>
    <message>
        <source>Sync Now</source>
        <translation>今すぐ同期</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>完全同期を実行</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同期</translation>
    </message>
    <message>
        <source>Keep your quillet in sync across all your devices.</source>
        <translation>すべてのデバイスで Quillet のデータを同期します。</translation>
    </message>
    <message>
        <source>Send this device&apos;s changes and fetch the others&apos; now.</source>
        <translation>このデバイスの変更を送信し、他のデバイスの変更を今すぐ取得します。</translation>
    </message>
    <message>
        <source>Upload every row again and download everything from the server.</source>
        <translation>すべてのデータを再アップロードし、サーバーからすべてのデータをダウンロードします。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;サインイン中:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;状態:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspire Account to enable sync.</source>
        <translation>サインインしていません。
同期を有効にするには、「ファイル › Larkspire アカウント」からサインインしてください。</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>最終同期: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>未同期</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>ローカルのすべてのデータをサーバーに再アップロードし、サーバーのすべてのデータを再ダウンロードします。デバイス間でデータが正しく同期されていないように見える場合に使用してください。

続行しますか？</translation>
    </message>
</context>
<context>
    <name>TablePages</name>
    <message>
        <source>Page %1</source>
        <translation>ページ %1</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>取引の詳細</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>振替先:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>入力日時: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>最終更新: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>編集...</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>未消込にする</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>消込済みにする</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>削除...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>分割行</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>（記録された分割行はありません）</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>（未分類）</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>照合済み</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>未消込</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation>消込マークを保存できませんでした。</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>振替「%1」（%2）を削除しますか？

振替の両側が削除されます。</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>「%1」（%2）を削除しますか？</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>取引の削除</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>取引を削除できませんでした。</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>新規取引</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>入力して支払先を検索...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>分割...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>この取引を複数のカテゴリに分割し、それぞれに金額とメモを設定します。</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>単一カテゴリを使用</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>分割をやめて、単一カテゴリの取引に戻します。</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>カテゴリ:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>任意</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>消込済み</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日付:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>支払先:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>金額:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>メモ:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>小切手番号:</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>取引の編集</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—分割—</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>開始残高</translation>
    </message>
</context>
<context>
    <name>UpdateChecks</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>最新の状態です</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version.</source>
        <translation>%1 %2 は最新バージョンです。</translation>
    </message>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>アップデートを確認できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアアップデート</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>A new version of %1 is available</source>
        <translation>%1 の新しいバージョンが利用可能です</translation>
    </message>
    <message>
        <source>%1 %2 is out; you have %3.</source>
        <translation>%1 %2 がリリースされました（現在のバージョン: %3）。</translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation>リリース日: %1</translation>
    </message>
    <message>
        <source>Release &amp;notes</source>
        <translation>リリースノート(&amp;N)</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>リリースノート</translation>
    </message>
    <message>
        <source>The notes for this version are on the web.</source>
        <translation>このバージョンのリリースノートは Web で公開されています。</translation>
    </message>
    <message>
        <source>No release notes came with this version.</source>
        <translation>このバージョンにはリリースノートがありません。</translation>
    </message>
    <message>
        <source>Read the release notes on the web</source>
        <translation>Web でリリースノートを読む</translation>
    </message>
    <message>
        <source>Download: %1 (%2)</source>
        <translation>ダウンロード: %1（%2）</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>&amp;Skip This Version</source>
        <translation>このバージョンをスキップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Remind Me Later</source>
        <translation>後で通知(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>ダウンロード(&amp;D)</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>使い方</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>口座を追加します（普通預金、貯蓄預金、クレジットカードなど、管理したい口座なら何でも）。</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>お金を使ったら取引を記録します。</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>明細書が届いたら照合します。</translation>
    </message>
    <message>
        <source>Welcome to
Larkspire Quillet</source>
        <translation>Larkspire Quillet へ
ようこそ</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>おかえりなさい</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>家計の口座を管理する、キーボード操作中心の高速な出納帳です。</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>サインインすると、デバイス間でデータを同期できます。</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>完全にオフラインで動作します。データはこのデバイスに保存されます。</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>セッションが終了しました。同期を続けるには、もう一度サインインしてください。</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>最初の口座を作成</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>サインイン</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>アカウントをお持ちですか？サインイン</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>別の口座を作成</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New in %1</source>
        <translation>%1 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>%1 %2 の新機能</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>新機能</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Database Error</source>
        <translation>データベースエラー</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>データベースを初期化できませんでした。

データディレクトリ: %1

ファイルのアクセス許可を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>インポートする QIF または CSV ファイル。</translation>
    </message>
</context>
</TS>
