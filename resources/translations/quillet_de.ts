<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Larkspire Quillet</source>
        <translation>Über Larkspire Quillet</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>Ein schnelles, auf die Tastatur ausgelegtes Kontoregister für Ihre Haushaltskonten.</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License version 3 (LGPL v3). Icons: the Material Icons font, under the Apache License 2.0.</source>
        <translation>Erstellt mit Qt %1, verwendet unter der GNU Lesser General Public License Version 3 (LGPL v3). Symbole: die Schriftart Material Icons, unter der Apache License 2.0.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Open Data &amp;Folder</source>
        <translation>Daten&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Der Ordner konnte nicht geöffnet werden:
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
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>This is the account&apos;s &quot;Opening Balance&quot; transaction. To change it, edit that transaction in the register.</source>
        <translation>Dies ist die Buchung „Anfangssaldo“ des Kontos. Um sie zu ändern, bearbeiten Sie diese Buchung im Kontoregister.</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>Stichtag</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>Account Number</source>
        <translation>Kontonummer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Anfangs&amp;saldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>Sti&amp;chtag:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Kontonu&amp;mmer:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions: their amounts were entered in this currency.</source>
        <translation>Die Währung lässt sich nicht mehr ändern, sobald das Konto Buchungen enthält: Deren Beträge wurden in dieser Währung erfasst.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 am %2</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Sign in to your Larkspire account to share accounts with your family group.</source>
        <translation>Melden Sie sich bei Ihrem Larkspire-Konto an, um Konten mit Ihrer Familiengruppe zu teilen.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has not been synced yet. It can be shared once the next sync has finished.</source>
        <translation>„%1“ wurde noch nicht synchronisiert. Es kann geteilt werden, sobald die nächste Synchronisierung abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>ACCOUNTS</source>
        <translation>KONTEN</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Summe aller Konten</translation>
    </message>
    <message>
        <source>%1, balance %2</source>
        <translation>%1, Saldo %2</translation>
    </message>
    <message>
        <source>%1, shared, balance %2</source>
        <translation>%1, geteilt, Saldo %2</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Geteilt</translation>
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
        <translation>Larkspire-Konto</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Your Larkspire Account</source>
        <translation>Ihr Larkspire-Konto</translation>
    </message>
    <message>
        <source>Sign in to keep your register in sync on all your devices. Everything stays on this device as well, and Larkspire Quillet keeps working offline.</source>
        <translation>Melden Sie sich an, um Ihr Kontoregister auf all Ihren Geräten synchron zu halten. Alle Daten bleiben auch auf diesem Gerät, und Larkspire Quillet funktioniert weiterhin offline.</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>&amp;Create Account</source>
        <translation>Konto &amp;erstellen</translation>
    </message>
    <message>
        <source>Finish signing in in your browser. This window updates when you are done.</source>
        <translation>Schließen Sie die Anmeldung in Ihrem Browser ab. Dieses Fenster wird danach aktualisiert.</translation>
    </message>
    <message>
        <source>Cance&amp;l Sign-In</source>
        <translation>Anmeldung a&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Geräte</translation>
    </message>
    <message>
        <source>Where this account is in use. This device comes first.</source>
        <translation>Wo dieses Konto verwendet wird. Dieses Gerät steht an erster Stelle.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>&amp;Manage Account Online…</source>
        <translation>Konto online &amp;verwalten…</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>Unnamed device</source>
        <translation>Unbenanntes Gerät</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>last seen %1</source>
        <translation>zuletzt aktiv %1</translation>
    </message>
    <message>
        <source>%1 (this device)</source>
        <translation>%1 (dieses Gerät)</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not tell which account is signed in (HTTP %1)</source>
        <translation>Es konnte nicht festgestellt werden, welches Konto angemeldet ist (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sichern &amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in einer portablen Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Save every account, category, transaction, schedule and reconciliation to a ZIP file.</source>
        <translation>Alle Konten, Kategorien, Buchungen, Zeitpläne und Kontoabgleiche in einer ZIP-Datei speichern.</translation>
    </message>
    <message>
        <source>Restore data from a backup ZIP file.</source>
        <translation>Daten aus einer ZIP-Sicherungsdatei wiederherstellen.</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Wird exportiert...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1

Automatic safety copies of your data are kept in:
%2
You can restore one under Safety Copies on this page.</source>
        <translation>%1

Automatische Sicherheitskopien Ihrer Daten liegen in:
%2
Sie können eine davon auf dieser Seite unter „Sicherheitskopien“ wiederherstellen.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch Sicherungsdaten ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Restore exactly (the store becomes the backup)</source>
        <translation>Exakt wiederherstellen (Datenbestand wird zur Sicherung)</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Wird importiert...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Your data as it was before is kept as a safety copy:
%1</source>
        <translation>

Ihre Daten im vorherigen Zustand sind als Sicherheitskopie erhalten:
%1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large (%2 bytes, at most %3 allowed)</source>
        <translation>%1: Eintrag zu groß (%2 Byte, höchstens %3 erlaubt)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Backup too large: its entries add up to %1 bytes, at most %2 allowed</source>
        <translation>Sicherung zu groß: Die Einträge umfassen zusammen %1 Byte, höchstens %2 erlaubt</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>The backup&apos;s table of contents is damaged: some entries could not be read</source>
        <translation>Das Inhaltsverzeichnis der Sicherung ist beschädigt: Einige Einträge konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: beschädigter Eintrag</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: unerwarteter Fehler</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read</source>
        <translation>die Spalten von %1 können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: bad entry name</source>
        <translation>%1: ungültiger Eintragsname</translation>
    </message>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1: unbekannte Spalte %2</translation>
    </message>
    <message>
        <source>%1: bad value for %2</source>
        <translation>%1: ungültiger Wert für %2</translation>
    </message>
    <message>
        <source>%1: the id %2 is in more than one entry</source>
        <translation>%1: die ID %2 kommt in mehr als einem Eintrag vor</translation>
    </message>
    <message>
        <source>the table cannot be read</source>
        <translation>die Tabelle kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>cannot prepare the statement</source>
        <translation>die Datenbankabfrage kann nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>Nothing was restored: another program is writing to the store (database is locked). Try again when it has finished.</source>
        <translation>Es wurde nichts wiederhergestellt: Ein anderes Programm schreibt gerade in den Datenbestand (Datenbank ist gesperrt). Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Nothing was restored: the store could not be written (%1).</source>
        <translation>Es wurde nichts wiederhergestellt: Der Datenbestand konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The store could not be read whole (%1: %2). No backup was written.</source>
        <translation>Der Datenbestand konnte nicht vollständig gelesen werden (%1: %2). Es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>the check gave no answer</source>
        <translation>die Prüfung lieferte kein Ergebnis</translation>
    </message>
    <message>
        <source>The store is damaged (%1). No backup was written.</source>
        <translation>Der Datenbestand ist beschädigt (%1). Es wurde keine Sicherung geschrieben.</translation>
    </message>
    <message>
        <source>Nothing was restored: a safety copy of the store could not be made (%1).</source>
        <translation>Es wurde nichts wiederhergestellt: Es konnte keine Sicherheitskopie des Datenbestands erstellt werden (%1).</translation>
    </message>
    <message>
        <source>the restored transactions cannot be indexed for search</source>
        <translation>die wiederhergestellten Buchungen können nicht für die Suche indiziert werden</translation>
    </message>
</context>
<context>
    <name>BackupUpkeep</name>
    <message>
        <source>Data File Damaged</source>
        <translation>Datendatei beschädigt</translation>
    </message>
    <message>
        <source>Larkspire Quillet found damage in its data file:
%1

Backups cannot be exported until this is repaired. Automatic safety copies of your data are kept in:
%2

You can restore one under Edit › Preferences › Data &amp; Sync › Safety Copies.</source>
        <translation>Larkspire Quillet hat Schäden in seiner Datendatei gefunden:
%1

Bis dies behoben ist, können keine Sicherungen exportiert werden. Automatische Sicherheitskopien Ihrer Daten liegen in:
%2

Sie können eine davon unter Bearbeiten › Einstellungen › Daten &amp; Sync › Sicherheitskopien wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Kategorien suchen...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Kategorien suchen</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie sind danach ohne Kategorie.</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>Die Kategorie konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Kategoriename</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Steuerrelevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie in Berichte für die Steuererklärung aufnehmen.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Überge&amp;ordnet:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Steuercode:</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Betriebsausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildungskosten</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Landes- &amp; Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autorate</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>ÖPNV</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; Cafés</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkaufen</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Kranken</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat/Gebäude</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren &amp; Entgelte</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomatengebühren</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberuflich / Beratung</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuercode</translation>
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
            <numerusform>; und %n weiterer Eintrag</numerusform>
            <numerusform>; und %n weitere Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle 2 Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
</context>
<context>
    <name>CsvConverter</name>
    <message>
        <source>No date</source>
        <translation>Kein Datum</translation>
    </message>
    <message>
        <source>Unreadable date &quot;%1&quot;</source>
        <translation>Unlesbares Datum „%1“</translation>
    </message>
    <message>
        <source>No amount</source>
        <translation>Kein Betrag</translation>
    </message>
    <message>
        <source>Unreadable amount &quot;%1&quot;</source>
        <translation>Unlesbarer Betrag „%1“</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>Date column:</source>
        <translation>Datumsspalte:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Empfängerspalte:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Betragsspalte:</translation>
    </message>
    <message>
        <source>Debit column:</source>
        <translation>Soll-Spalte:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Haben-Spalte:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Notizspalte:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Kategoriespalte:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>Import into:</source>
        <translation>Importieren in:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Preview of the rows as they will be imported</source>
        <translation>Vorschau der Zeilen, wie sie importiert werden</translation>
    </message>
    <message>
        <source>New account &quot;%1&quot;</source>
        <translation>Neues Konto „%1“</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 (e.g. %2)</source>
        <translation>Spalte %1 (z. B. %2)</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Soll- und Haben-Spalten</translation>
    </message>
    <message>
        <source>Choose the date column</source>
        <translation>Datumsspalte auswählen</translation>
    </message>
    <message>
        <source>Dates detected as %1</source>
        <translation>Datumsangaben erkannt als %1</translation>
    </message>
    <message>
        <source>Dates read as %1</source>
        <translation>Datumsangaben gelesen als %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Open calendar</source>
        <translation>Kalender öffnen</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>DateOrderRows</name>
    <message>
        <source>Month/Day/Year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>month first</source>
        <translation>Monat zuerst</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>day first</source>
        <translation>Tag zuerst</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Jahr/Monat/Tag</translation>
    </message>
    <message>
        <source>year first</source>
        <translation>Jahr zuerst</translation>
    </message>
    <message>
        <source>no date in any order</source>
        <translation>in keiner Reihenfolge ein Datum</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>Ambiguous: %1</source>
        <translation>Mehrdeutig: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Datumsreihenfolge</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Date order of %1</source>
        <translation>Datumsreihenfolge von %1</translation>
    </message>
    <message>
        <source>%1 (guessed)</source>
        <translation>%1 (vermutet)</translation>
    </message>
    <message>
        <source>%1 (detected)</source>
        <translation>%1 (erkannt)</translation>
    </message>
</context>
<context>
    <name>DeviceSignIn</name>
    <message>
        <source>the request was denied</source>
        <translation>die Anfrage wurde abgelehnt</translation>
    </message>
    <message>
        <source>the code expired before it was approved</source>
        <translation>der Code ist abgelaufen, bevor er bestätigt wurde</translation>
    </message>
</context>
<context>
    <name>FormDialog</name>
    <message>
        <source>Everything you entered is kept: try again, or cancel and come back to it.</source>
        <translation>Alle Eingaben bleiben erhalten: Versuchen Sie es erneut, oder brechen Sie ab und kommen Sie später darauf zurück.</translation>
    </message>
    <message>
        <source>This could not be saved.

%1

%2</source>
        <translation>Dies konnte nicht gespeichert werden.

%1

%2</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>%1 konnte nicht gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
            <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (the lines do not add up to the amount)</source>
        <translation>
            <numerusform>%n Splittbuchung übersprungen (die Zeilen ergeben nicht den Betrag)</numerusform>
            <numerusform>%n Splittbuchungen übersprungen (die Zeilen ergeben nicht den Betrag)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (more than 1,000 lines)</source>
        <translation>
            <numerusform>%n Splittbuchung übersprungen (mehr als 1.000 Zeilen)</numerusform>
            <numerusform>%n Splittbuchungen übersprungen (mehr als 1.000 Zeilen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than 4,000 characters cut short</source>
        <translation>
            <numerusform>%n Text mit mehr als 4.000 Zeichen gekürzt</numerusform>
            <numerusform>%n Texte mit mehr als 4.000 Zeichen gekürzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
            <numerusform>%n Datensätze übersprungen (Datenbankfehler – siehe Protokoll)</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Ein Datenbankfehler hat den Import abgebrochen; alle Änderungen wurden rückgängig gemacht. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>The disk is full. The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>Der Datenträger ist voll. Der Import wurde abgebrochen und alle Änderungen wurden rückgängig gemacht. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>Another program is writing to the data file and did not finish in time. Nothing was imported; try again when it is done.</source>
        <translation>Ein anderes Programm schreibt in die Datendatei und wurde nicht rechtzeitig fertig. Es wurde nichts importiert; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>Nothing was imported: no safety copy of the data could be made first (%1). Make room on the disk and try again.</source>
        <translation>Es wurde nichts importiert: Zuvor konnte keine Sicherheitskopie der Daten erstellt werden (%1). Schaffen Sie Platz auf dem Datenträger und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>Der Import wurde abgebrochen und alle Änderungen wurden rückgängig gemacht. Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 …%2</source>
        <translation>%1 …%2</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the cleared balance here is %4.</source>
        <translation>%1: Der Saldo der Bank am %2 beträgt %3; der bestätigte Saldo hier beträgt %4.</translation>
    </message>
    <message>
        <source>They differ by %1.</source>
        <translation>Die Differenz beträgt %1.</translation>
    </message>
    <message>
        <source>%1 ends early: a row cut short and the bank&apos;s balance were left out</source>
        <translation>%1 endet vorzeitig: Eine abgeschnittene Zeile und der Saldo der Bank wurden ausgelassen</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) skipped (investment accounts cannot be imported from OFX)</source>
        <translation>
            <numerusform>%n Depotauszug übersprungen (Depotkonten können nicht aus OFX importiert werden)</numerusform>
            <numerusform>%n Depotauszüge übersprungen (Depotkonten können nicht aus OFX importiert werden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) skipped (in a currency the app does not keep)</source>
        <translation>
            <numerusform>%n Kontoauszug übersprungen (in einer Währung, die die App nicht führt)</numerusform>
            <numerusform>%n Kontoauszüge übersprungen (in einer Währung, die die App nicht führt)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>No files chosen</source>
        <translation>Keine Dateien ausgewählt</translation>
    </message>
    <message>
        <source>&amp;Choose Files...</source>
        <translation>Dateien &amp;auswählen...</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Dateien:</translation>
    </message>
    <message>
        <source>QIF (Quicken Interchange Format)</source>
        <translation>QIF (Quicken Interchange Format)</translation>
    </message>
    <message>
        <source>CSV (comma-separated values)</source>
        <translation>CSV (kommagetrennte Werte)</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Importfortschritt</translation>
    </message>
    <message>
        <source>%v of %m records</source>
        <translation>%v von %m Datensätzen</translation>
    </message>
    <message>
        <source>Cancel Import</source>
        <translation>Import abbrechen</translation>
    </message>
    <message>
        <source>Import result</source>
        <translation>Importergebnis</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Choose Files to Import</source>
        <translation>Dateien zum Importieren auswählen</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>Diese Dateien konnten nicht gelesen werden:
%1</translation>
    </message>
    <message>
        <source>OFX or QFX (bank statement download)</source>
        <translation>OFX oder QFX (heruntergeladener Kontoauszug)</translation>
    </message>
    <message>
        <source>Choose one or more QIF, CSV or OFX files to import.

QIF files keep their accounts, categories, splits and transfers. A CSV file from your bank goes into one account you choose. OFX and QFX downloads from your bank bring each row once, however often their dates overlap.</source>
        <translation>Wählen Sie eine oder mehrere QIF-, CSV- oder OFX-Dateien zum Importieren aus.

QIF-Dateien behalten ihre Konten, Kategorien, Aufteilungen und Umbuchungen. Eine CSV-Datei Ihrer Bank wird in ein Konto Ihrer Wahl importiert. OFX- und QFX-Downloads Ihrer Bank übernehmen jede Zeile nur einmal, auch wenn sich ihre Zeiträume überschneiden.</translation>
    </message>
    <message>
        <source>QIF, CSV and OFX files (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF files (*.qif *.QIF);;CSV files (*.csv *.CSV *.txt);;OFX and QFX files (*.ofx *.OFX *.qfx *.QFX);;All files (*)</source>
        <translation>QIF-, CSV- und OFX-Dateien (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF-Dateien (*.qif *.QIF);;CSV-Dateien (*.csv *.CSV *.txt);;OFX- und QFX-Dateien (*.ofx *.OFX *.qfx *.QFX);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Reconcile to this balance</source>
        <translation>&amp;Mit diesem Saldo abgleichen</translation>
    </message>
    <message>
        <source>Reconcile %1 to this balance</source>
        <translation>%1 mit diesem Saldo abgleichen</translation>
    </message>
    <message>
        <source>Reconcile %1 to the bank&apos;s balance</source>
        <translation>%1 mit dem Saldo der Bank abgleichen</translation>
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
        <translation>Die Anfrage wurde nicht verstanden.</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Hier gibt es nichts.</translation>
    </message>
    <message>
        <source>This sign-in has already finished.</source>
        <translation>Diese Anmeldung ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>You are signed in</source>
        <translation>Sie sind angemeldet</translation>
    </message>
    <message>
        <source>Sign-in did not complete</source>
        <translation>Anmeldung nicht abgeschlossen</translation>
    </message>
    <message>
        <source>You can close this tab and return to %1.</source>
        <translation>Sie können diesen Tab schließen und zu %1 zurückkehren.</translation>
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
        <translation>Geldbörse</translation>
    </message>
    <message>
        <source>Welcome to Larkspire Quillet</source>
        <translation>Willkommen bei Larkspire Quillet</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Erstellen Sie zunächst Ihr erstes Konto.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Konto erstellen</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Buchungen lassen sich auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>An account needs a name; nothing was created.</source>
        <translation>Ein Konto braucht einen Namen; es wurde nichts erstellt.</translation>
    </message>
    <message>
        <source>An account needs a name; it was not changed.</source>
        <translation>Ein Konto braucht einen Namen; es wurde nicht geändert.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Einträge und der Abgleichverlauf dieses Kontos werden entfernt. Sie können es unter Einstellungen → Daten &amp; Sync wiederherstellen.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Das Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Larkspire Account</source>
        <translation>Larkspire-Konto</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Konto verwalten</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Anmelden oder registrieren</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Larkspire &amp;Account...</source>
        <translation>&amp;Larkspire-Konto...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleich&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Larkspire Quillet</source>
        <translation>&amp;Über Larkspire Quillet</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>&amp;Beispieldaten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontoregister</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Neue Buchung einfügen</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (Apostroph)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber kopieren</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Wiederkehrend</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Switch to account 1–9</source>
        <translation>Zu Konto 1–9 wechseln</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Kontoabgleich — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 teilt dieses Konto mit Ihnen nur zum Ansehen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to %2, who shares it with you. Only they can delete it.</source>
        <translation>„%1“ gehört %2 und wird mit Ihnen geteilt. Nur der Eigentümer kann es löschen.</translation>
    </message>
    <message numerus="yes">
        <source>Synced; %n change(s) not accepted</source>
        <translation>
            <numerusform>Synchronisiert; %n Änderung nicht angenommen</numerusform>
            <numerusform>Synchronisiert; %n Änderungen nicht angenommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) to an account shared with you were not accepted: you may only view it. They stay on this computer.</source>
        <translation>
            <numerusform>%n Änderung an einem mit Ihnen geteilten Konto wurde nicht angenommen: Sie dürfen es nur ansehen. Die Änderung bleibt auf diesem Computer.</numerusform>
            <numerusform>%n Änderungen an einem mit Ihnen geteilten Konto wurden nicht angenommen: Sie dürfen es nur ansehen. Die Änderungen bleiben auf diesem Computer.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>„%1“ teilen</translation>
    </message>
    <message>
        <source>Sync With a Different Account</source>
        <translation>Mit einem anderen Konto synchronisieren</translation>
    </message>
    <message>
        <source>The data on this computer was last synced with %1.

Continuing adds all of it to the account of %2 and brings that account&apos;s data here. Cancel signs you out again, and nothing is sent.</source>
        <translation>Die Daten auf diesem Computer wurden zuletzt mit %1 synchronisiert.

Wenn Sie fortfahren, werden sie alle dem Konto von %2 hinzugefügt, und die Daten dieses Kontos werden hierher geladen. Mit Abbrechen werden Sie wieder abgemeldet, und nichts wird gesendet.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OfxMappingPanel</name>
    <message>
        <source>This copy of the app was built without OFX support and cannot read these files.</source>
        <translation>Diese Version der App wurde ohne OFX-Unterstützung erstellt und kann diese Dateien nicht lesen.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n Buchung gefunden.</numerusform>
            <numerusform>%n Buchungen gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n Datensatz ist nicht lesbar und wird übersprungen.</numerusform>
            <numerusform>%n Datensätze sind nicht lesbar und werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) cannot be imported and will be skipped.</source>
        <translation>
            <numerusform>%n Depotauszug kann nicht importiert werden und wird übersprungen.</numerusform>
            <numerusform>%n Depotauszüge können nicht importiert werden und werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) in a currency the app does not keep will be skipped.</source>
        <translation>
            <numerusform>%n Kontoauszug in einer Währung, die die App nicht führt, wird übersprungen.</numerusform>
            <numerusform>%n Kontoauszüge in einer Währung, die die App nicht führt, werden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends early; a row cut short will be skipped.</source>
        <translation>%1 endet vorzeitig; eine abgeschnittene Zeile wird übersprungen.</translation>
    </message>
    <message>
        <source>Choose where the rows of each account go.</source>
        <translation>Wählen Sie, wohin die Zeilen jedes Kontos importiert werden.</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importieren in</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Import account ending %1 into</source>
        <translation>Konto mit Endung %1 importieren in</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Neues Konto (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Überspringen (nicht importieren)</translation>
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
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden. Es wurde keine Buchung geändert.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung geändert.</numerusform>
            <numerusform>%n Buchungen geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie mindestens 2 Empfänger zum Zusammenführen aus.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung geändert.</numerusform>
            <numerusform>%n Buchungen geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected: %1 of %2</source>
        <translation>Ausgewählt: %1 von %2</translation>
    </message>
</context>
<context>
    <name>PaymentTypeChoice</name>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Direct deposit</source>
        <translation>Gehaltseingang</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliche Sparrate</translation>
    </message>
    <message>
        <source>ATM withdrawal</source>
        <translation>Bargeldabhebung</translation>
    </message>
    <message>
        <source>Card payment</source>
        <translation>Kreditkartenausgleich</translation>
    </message>
    <message>
        <source>Quarterly gift</source>
        <translation>Quartalsspende</translation>
    </message>
    <message>
        <source>Holiday gifts</source>
        <translation>Festtagsgeschenke</translation>
    </message>
    <message>
        <source>Six-month premium</source>
        <translation>Halbjahresbeitrag</translation>
    </message>
    <message>
        <source>Two tickets</source>
        <translation>Zwei Karten</translation>
    </message>
    <message>
        <source>Weekly run</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Jährliche Geldanlage</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>Credit card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Other asset</source>
        <translation>Sonstiges Vermögen</translation>
    </message>
    <message>
        <source>Other liability</source>
        <translation>Sonstige Verbindlichkeit</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n Buchung gefunden.</numerusform>
            <numerusform>%n Buchungen gefunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n Datensatz ist nicht lesbar und wird übersprungen.</numerusform>
            <numerusform>%n Datensätze sind nicht lesbar und werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) will be skipped: their lines do not add up to the amount, or there are more than 1,000.</source>
        <translation>
            <numerusform>%n Splittbuchung wird übersprungen: Ihre Zeilen ergeben nicht den Betrag oder es sind mehr als 1.000.</numerusform>
            <numerusform>%n Splittbuchungen werden übersprungen: Ihre Zeilen ergeben nicht den Betrag oder es sind mehr als 1.000.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose where the records of each source account go.</source>
        <translation>Legen Sie fest, wohin die Datensätze jedes Quellkontos importiert werden.</translation>
    </message>
    <message>
        <source>Source account</source>
        <translation>Quellkonto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importieren in</translation>
    </message>
    <message>
        <source>Import %1 into</source>
        <translation>%1 importieren in</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Neues Konto (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Überspringen (nicht importieren)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Bisherige Kontoabgleiche für dieses Konto.</translation>
    </message>
    <message>
        <source>Reconciliation history</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Kontoabgleiche. Gleichen Sie Ihr Konto im Kontoregister ab, um hier den Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Counted as cleared</source>
        <translation>Als bestätigt gezählt</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>Nicht gezählt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Del)</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Count every listed transaction as cleared (%1)</source>
        <translation>Alle aufgeführten Buchungen als bestätigt zählen (%1)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Count no listed transaction as cleared (%1)</source>
        <translation>Keine aufgeführte Buchung als bestätigt zählen (%1)</translation>
    </message>
    <message>
        <source>Transactions to reconcile</source>
        <translation>Abzugleichende Buchungen</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. No transaction was changed; your check marks are kept so you can try again.</source>
        <translation>Der Kontoabgleich konnte nicht gespeichert werden. Es wurde keine Buchung geändert; Ihre Häkchen bleiben erhalten, sodass Sie es erneut versuchen können.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Konto erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung für %1 löschen?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Häufigkeit:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Vorab buchen:</translation>
    </message>
    <message>
        <source>%1 shares %2 with you to view only.</source>
        <translation>%1 teilt %2 mit Ihnen nur zum Ansehen.</translation>
    </message>
    <message>
        <source>A schedule that uses it is never posted, so this one can&apos;t be saved.</source>
        <translation>Eine wiederkehrende Buchung, die es verwendet, wird nie gebucht; diese kann daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>%1 (view only)</source>
        <translation>%1 (nur ansehen)</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 teilt dieses Konto mit Ihnen nur zum Ansehen.</translation>
    </message>
    <message>
        <source>A schedule stays in its account. To use another account, make a new schedule.</source>
        <translation>Eine wiederkehrende Buchung bleibt in ihrem Konto. Um ein anderes Konto zu verwenden, legen Sie eine neue an.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Fällig am</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Autom.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen buchen</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Nächste 7 Tage buchen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>B&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>Enter E&amp;arly...</source>
        <translation>&amp;Vorzeitig buchen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>Nicht gebucht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. Its schedule needs editing: check its date and, for a transfer, its accounts.</source>
        <translation>„%1“ konnte nicht gebucht werden. Der Zeitplan muss bearbeitet werden: Prüfen Sie das Datum und bei einer Umbuchung die Konten.</translation>
    </message>
    <message>
        <source>Already Entered</source>
        <translation>Bereits gebucht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 was entered already, so it was not entered again. The schedule moved on to its next date.</source>
        <translation>„%1“ vom %2 wurde bereits gebucht und daher nicht erneut gebucht. Der Zeitplan ist zum nächsten Termin weitergerückt.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Vorzeitig buchen</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>„%1“ jetzt mit Datum %2 buchen? Die Buchung erhält ihr Fälligkeitsdatum, und Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted.

%1</source>
        <translation>Die wiederkehrende Buchung konnte nicht gelöscht werden.

%1</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Alle in den nächsten 7 Tagen fälligen wiederkehrenden Buchungen buchen? Sie erhalten ihr jeweiliges Fälligkeitsdatum, und Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>The occurrence could not be skipped.

%1</source>
        <translation>Der Termin konnte nicht übersprungen werden.

%1</translation>
    </message>
</context>
<context>
    <name>RegisterColumns</name>
    <message>
        <source>Show columns</source>
        <translation>Spalten anzeigen</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Registerlayout zurücksetzen</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung auf %1</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Scheck-Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitt—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above  |  -5 under Payment: a deposit of 5</source>
        <translation>%1: speichern  |  Enter: weiter  |  %2: löschen  |  %3: merken  |  &apos;: von oben kopieren  |  -5 unter Zahlung: Einzahlung von 5</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Ausgangsbuchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gemerkt</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Empfänger ist erforderlich</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount; type it like %2</source>
        <translation>„%1“ ist kein Betrag; geben Sie ihn z. B. als %2 ein</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Unbekannte Kategorie: %1</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Gegenkonto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Eine Umbuchung erfordert ein anderes Konto</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Bei Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung auf %1</translation>
    </message>
    <message>
        <source>The transaction was not saved: %1</source>
        <translation>Die Buchung wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Buchung nicht gespeichert</translation>
    </message>
    <message>
        <source>Everything you typed is still in the row.</source>
        <translation>Ihre Eingaben stehen noch in der Zeile.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance</source>
        <translation>Der Anfangssaldo ist der Kontostand zu Beginn des Kontos</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>Neu &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>Im &amp;Dialog bearbeiten...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Det&amp;ails anzeigen...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Aufteilung &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Buchung au&amp;fteilen...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als bes&amp;tätigt markieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>Shared with you by %1 · view only</source>
        <translation>Von %1 mit Ihnen geteilt · nur ansehen</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Von %1 mit Ihnen geteilt</translation>
    </message>
    <message>
        <source>Shared with your family group</source>
        <translation>Mit Ihrer Familiengruppe geteilt</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only</source>
        <translation>%1 teilt dieses Konto mit Ihnen nur zum Ansehen</translation>
    </message>
    <message>
        <source>A transfer&apos;s other account cannot be changed. Delete the transfer and enter it again towards %1.</source>
        <translation>Das Gegenkonto einer Umbuchung kann nicht geändert werden. Löschen Sie die Umbuchung und erfassen Sie sie erneut auf %1.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer. Delete it and enter the transfer to %1 as a new transaction.</source>
        <translation>Eine vorhandene Buchung kann nicht zur Umbuchung werden. Löschen Sie sie und erfassen Sie die Umbuchung auf %1 als neue Buchung.</translation>
    </message>
    <message>
        <source>The transaction was not deleted: %1</source>
        <translation>Die Buchung wurde nicht gelöscht: %1</translation>
    </message>
    <message>
        <source>The cleared mark was not changed: %1</source>
        <translation>Die Markierung „bestätigt“ wurde nicht geändert: %1</translation>
    </message>
</context>
<context>
    <name>RegisterTableView</name>
    <message>
        <source>Register</source>
        <translation>Kontoregister</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>The report could not be made: %1</source>
        <translation>Der Bericht konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>Inflow</source>
        <translation>Zufluss</translation>
    </message>
    <message>
        <source>Outflow</source>
        <translation>Abfluss</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Endsaldo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Last Reconciled</source>
        <translation>Zuletzt abgeglichen</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Category / Month</source>
        <translation>Kategorie / Monat</translation>
    </message>
    <message>
        <source>This Period</source>
        <translation>Dieser Zeitraum</translation>
    </message>
    <message>
        <source>Year Before</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Change %</source>
        <translation>Änderung %</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Krankheits- und Zahnarztkosten</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Betriebsausgaben</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Landes- und Kommunalsteuern</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Dividendenerträge</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Einkünfte aus selbständiger Arbeit</translation>
    </message>
    <message>
        <source>Tax Category</source>
        <translation>Steuerkategorie</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Empfängerübersicht</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen vs. Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Vorjahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
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
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>ReportParts</name>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Transfer: %1</source>
        <translation>Umbuchung: %1</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Einnahmen und Ausgaben nach Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Balance at the end of each month</source>
        <translation>Saldo am Ende jedes Monats</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Anfangssaldo</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Dieser Zeitraum</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Other %1</source>
        <translation>%1: Sonstiges</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Largest payees by spending</source>
        <translation>Empfänger mit den höchsten Ausgaben</translation>
    </message>
    <message>
        <source>Other tax-related</source>
        <translation>Sonstiges Steuerrelevantes</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be written: %1</source>
        <translation>Das PDF konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>%1  •  Printed %2</source>
        <translation>%1  •  Gedruckt am %2</translation>
    </message>
    <message>
        <source>The newest %1 of %2 rows.</source>
        <translation>Die neuesten %1 von %2 Zeilen.</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>eine Seite konnte nicht hinzugefügt werden</translation>
    </message>
</context>
<context>
    <name>ReportRowsWindow</name>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Reading the transactions…</source>
        <translation>Buchungen werden gelesen…</translation>
    </message>
    <message>
        <source>The newest %1 of %2 transactions</source>
        <translation>Die neuesten %1 von %2 Buchungen</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n Buchung</numerusform>
            <numerusform>%n Buchungen</numerusform>
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
        <translation>Doppelklicken, um die Buchungen anzuzeigen</translation>
    </message>
    <message>
        <source>Double-click to open the transaction</source>
        <translation>Doppelklicken, um die Buchung zu öffnen</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Report table</source>
        <translation>Berichtstabelle</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Katego&amp;rie:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Any payee</source>
        <translation>Alle Empfänger</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Empfänger:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Making the report…</source>
        <translation>Bericht wird erstellt…</translation>
    </message>
    <message>
        <source>Showing the newest %1 of %2 rows; Export CSV writes them all.</source>
        <translation>Die neuesten %1 von %2 Zeilen werden angezeigt; „CSV exportieren“ schreibt alle.</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>Nichts in diesem Zeitraum.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>%1 wird geschrieben…</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Showing the newest %1 rows; counting the rest…</source>
        <translation>Die neuesten %1 Zeilen werden angezeigt; der Rest wird gezählt…</translation>
    </message>
</context>
<context>
    <name>SafetyCopies</name>
    <message>
        <source>There is no safety copy named %1.</source>
        <translation>Es gibt keine Sicherheitskopie namens %1.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened (%2).</source>
        <translation>Die Kopie %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The copy %1 is damaged (%2).</source>
        <translation>Die Kopie %1 ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>A safety copy of the store could not be made (%1).</source>
        <translation>Es konnte keine Sicherheitskopie des Datenbestands erstellt werden (%1).</translation>
    </message>
    <message>
        <source>The store cannot be opened (%1).</source>
        <translation>Der Datenbestand kann nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <source>The store cannot be written (%1).</source>
        <translation>Der Datenbestand kann nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Another program is writing to the store (%1). Try again when it has finished.</source>
        <translation>Ein anderes Programm schreibt gerade in den Datenbestand (%1). Versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <source>The copy could not be written into the store (%1).</source>
        <translation>Die Kopie konnte nicht in den Datenbestand geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>The copy was restored but could not be brought up to date.</source>
        <translation>Die Kopie wurde wiederhergestellt, konnte aber nicht auf den aktuellen Stand gebracht werden.</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesPanel</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>Vor Import</translation>
    </message>
    <message>
        <source>Before restore</source>
        <translation>Vor Wiederherstellung</translation>
    </message>
    <message>
        <source>Before exact restore</source>
        <translation>Vor exakter Wiederherstellung</translation>
    </message>
    <message>
        <source>Before copy restore</source>
        <translation>Vor Kopie-Wiederherstellung</translation>
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
        <translation>Noch keine Sicherheitskopien.</translation>
    </message>
    <message>
        <source>Restore This Copy</source>
        <translation>Diese Kopie wiederherstellen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Safety Copies</source>
        <translation>Sicherheitskopien</translation>
    </message>
    <message>
        <source>A copy of your data is kept before every import and restore, and once a day. The newest %1 and the last %2 daily copies stay.</source>
        <translation>Vor jedem Import und jeder Wiederherstellung sowie einmal täglich wird eine Kopie Ihrer Daten angelegt. Die neuesten %1 und die letzten %2 täglichen Kopien bleiben erhalten.</translation>
    </message>
    <message>
        <source>Safety copies</source>
        <translation>Sicherheitskopien</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Replace all of your data with the selected copy, after one more safety copy.</source>
        <translation>Alle Ihre Daten durch die ausgewählte Kopie ersetzen – nach einer weiteren Sicherheitskopie.</translation>
    </message>
    <message>
        <source>Show the folder the safety copies are kept in.</source>
        <translation>Den Ordner anzeigen, in dem die Sicherheitskopien liegen.</translation>
    </message>
    <message>
        <source>Replace all of your data with the copy made %1?

Your data as it is now is kept as one more safety copy first, so this can be undone.</source>
        <translation>Alle Ihre Daten durch die Kopie vom %1 ersetzen?

Ihre aktuellen Daten werden zuvor als weitere Sicherheitskopie aufbewahrt, sodass sich dies rückgängig machen lässt.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Copy Restored</source>
        <translation>Kopie wiederhergestellt</translation>
    </message>
    <message>
        <source>Your data is now the copy made %1.

Your data as it was is kept as:
%2</source>
        <translation>Ihre Daten entsprechen jetzt der Kopie vom %1.

Ihre vorherigen Daten sind gespeichert als:
%2</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Der Ordner konnte nicht geöffnet werden:
%1</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Keine Beispieldaten zum Entfernen.</translation>
    </message>
    <message>
        <source>The sample data could not be written; nothing was changed.</source>
        <translation>Die Beispieldaten konnten nicht geschrieben werden; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Account: %1</source>
        <translation>Konto: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur bestätigte</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message>
        <source>Showing the %1 newest matches. Narrow the search to find older ones.</source>
        <translation>Die %1 neuesten Treffer werden angezeigt. Schränken Sie die Suche ein, um ältere zu finden.</translation>
    </message>
    <message>
        <source>No transactions found.</source>
        <translation>Keine Buchungen gefunden.</translation>
    </message>
    <message>
        <source>Transactions found: %1</source>
        <translation>Gefundene Buchungen: %1</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Einstellungsseiten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontoregister</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Larkspire Quillet looks.</source>
        <translation>Legen Sie fest, wie Larkspire Quillet aussieht.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>&amp;Font size</source>
        <translation>&amp;Schriftgröße</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Datums- und Kalendereinstellungen.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>&amp;Woche beginnt am</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspire Quillet.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Larkspire Quillet wirksam.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kontoregister angezeigt werden.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Darstellung</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Empfänger anzeigen.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kontoregister fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, erscheinen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten können Sie hier wiederherstellen.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts. Your data lives in one file on this device and works fully offline.</source>
        <translation>Ein schnelles, auf die Tastatur ausgelegtes Kontoregister für Ihre Haushaltskonten. Ihre Daten liegen in einer Datei auf diesem Gerät, und alles funktioniert vollständig offline.</translation>
    </message>
    <message>
        <source>Larkspire Quillet uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPL v3). Icons: Material Icons, Apache License 2.0.</source>
        <translation>Larkspire Quillet verwendet das Qt-Framework, lizenziert unter der GNU Lesser General Public License Version 3 (LGPL v3). Symbole: Material Icons, Apache License 2.0.</translation>
    </message>
    <message>
        <source>%1  —  deleted %2</source>
        <translation>%1  —  gelöscht am %2</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Konto wiederherstellen</translation>
    </message>
    <message>
        <source>The account could not be restored. Please try again.</source>
        <translation>Das Konto konnte nicht wiederhergestellt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ShareAccountDialog</name>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>„%1“ teilen</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Betrachter</translation>
    </message>
    <message>
        <source>People who share this account</source>
        <translation>Personen, die dieses Konto teilen</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rolle</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Stop sharing this account with the selected person</source>
        <translation>Dieses Konto nicht mehr mit der ausgewählten Person teilen</translation>
    </message>
    <message>
        <source>Share &amp;with:</source>
        <translation>Teilen &amp;mit:</translation>
    </message>
    <message>
        <source>Family group member</source>
        <translation>Mitglied der Familiengruppe</translation>
    </message>
    <message>
        <source>&amp;as</source>
        <translation>&amp;als</translation>
    </message>
    <message>
        <source>A viewer sees the account; an editor can also enter and change its transactions.</source>
        <translation>Betrachter sehen das Konto; Bearbeiter können zudem Buchungen erfassen und ändern.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shared right now.</source>
        <translation>„%1“ kann derzeit nicht geteilt werden.</translation>
    </message>
    <message>
        <source>Share &quot;%1&quot; with members of your family group.</source>
        <translation>„%1“ mit Mitgliedern Ihrer Familiengruppe teilen.</translation>
    </message>
    <message>
        <source>Asking the service who shares it...</source>
        <translation>Freigaben werden beim Dienst abgefragt...</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you. You can view it and enter transactions in it.</source>
        <translation>%1 teilt „%2“ mit Ihnen. Sie können es ansehen und darin Buchungen erfassen.</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you to view.</source>
        <translation>%1 teilt „%2“ mit Ihnen zum Ansehen.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite your household from your Larkspire account&apos;s family page first.</source>
        <translation>Ihre Familiengruppe hat noch keine weiteren Mitglieder. Laden Sie Ihren Haushalt zuerst über die Familienseite Ihres Larkspire-Kontos ein.</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Zum Be&amp;trachter machen</translation>
    </message>
    <message>
        <source>Make &amp;Editor</source>
        <translation>Zum &amp;Bearbeiter machen</translation>
    </message>
    <message>
        <source>Change what the selected person may do in this account</source>
        <translation>Ändern, was die ausgewählte Person in diesem Konto darf</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Freigabe beenden</translation>
    </message>
    <message>
        <source>Stop sharing &quot;%1&quot; with %2?

The account and its transactions leave their computers at their next sync.</source>
        <translation>„%1“ nicht mehr mit %2 teilen?

Das Konto und seine Buchungen werden bei der nächsten Synchronisierung von den Computern dieser Person entfernt.</translation>
    </message>
</context>
<context>
    <name>SignInClient</name>
    <message>
        <source>could not listen for the browser&apos;s answer</source>
        <translation>konnte nicht auf die Antwort des Browsers warten</translation>
    </message>
    <message>
        <source>the browser did not come back within 5 minutes</source>
        <translation>der Browser hat sich nicht innerhalb von 5 Minuten zurückgemeldet</translation>
    </message>
    <message>
        <source>no web browser could be opened</source>
        <translation>es konnte kein Webbrowser geöffnet werden</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>the answer did not belong to this sign-in</source>
        <translation>die Antwort gehörte nicht zu dieser Anmeldung</translation>
    </message>
    <message>
        <source>the answer carried no sign-in code</source>
        <translation>die Antwort enthielt keinen Anmeldecode</translation>
    </message>
    <message>
        <source>the service sent no tokens</source>
        <translation>der Dienst hat keine Tokens gesendet</translation>
    </message>
    <message>
        <source>the sign-in could not be kept on this computer</source>
        <translation>die Anmeldung konnte auf diesem Computer nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Splittbuchung</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Summe: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Verbleibend: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not %2. Adjust the total to %1?</source>
        <translation>Die Splittzeilen ergeben zusammen %1, nicht %2. Gesamtbetrag auf %1 anpassen?</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Anpassen</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Beibehalten</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Splittzeilen</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Zeile hinzufügen</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Entfernen</translation>
    </message>
    <message>
        <source>Category, line %1</source>
        <translation>Kategorie, Zeile %1</translation>
    </message>
    <message>
        <source>Amount, line %1</source>
        <translation>Betrag, Zeile %1</translation>
    </message>
    <message>
        <source>Memo, line %1</source>
        <translation>Notiz, Zeile %1</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Splittbuchung</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category. Choose a category for every split line with an amount, or set its amount to 0.</source>
        <translation>Zeile %1 hat einen Betrag, aber keine Kategorie. Wählen Sie für jede Splittzeile mit Betrag eine Kategorie oder setzen Sie ihren Betrag auf 0.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Fällige wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Sync-Status</translation>
    </message>
    <message>
        <source>Sync in progress</source>
        <translation>Synchronisierung läuft</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n fällige Buchung</numerusform>
            <numerusform>  •  %n fällige Buchungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>The data file is in use by another program. Wait a moment and try again.</source>
        <translation>Die Datendatei wird von einem anderen Programm verwendet. Warten Sie einen Moment und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The data file cannot be written to (it is read-only).</source>
        <translation>In die Datendatei kann nicht geschrieben werden (sie ist schreibgeschützt).</translation>
    </message>
    <message>
        <source>The disk could not be written to.</source>
        <translation>Auf den Datenträger konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>Die Datendatei ist beschädigt.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The change could not be saved.</source>
        <translation>Die Änderung konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Sync-Fehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Hochladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Herunterladen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not save the pulled changes</source>
        <translation>Die heruntergeladenen Änderungen konnten nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>SyncPanel</name>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständig neu synchronisieren</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>Keep your quillet in sync across all your devices.</source>
        <translation>Halten Sie Ihre Quillet-Daten auf all Ihren Geräten synchron.</translation>
    </message>
    <message>
        <source>Send this device&apos;s changes and fetch the others&apos; now.</source>
        <translation>Jetzt die Änderungen dieses Geräts senden und die der anderen abrufen.</translation>
    </message>
    <message>
        <source>Upload every row again and download everything from the server.</source>
        <translation>Alle Datensätze erneut hochladen und alles vom Server herunterladen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspire Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Larkspire-Konto an, um die Synchronisierung zu aktivieren.</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Datensätze erneut auf den Server hochgeladen und alle Serverdaten erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Ihren Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
</context>
<context>
    <name>TablePages</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Buchungsdetails</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitt—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Umbuchung auf:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Erfasst: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Zuletzt geändert: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Als unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Als bestätigt markieren</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Splittzeilen</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(keine Splittzeilen vorhanden)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(ohne Kategorie)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Abgeglichen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation>Der Status „bestätigt“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Die Buchung konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Aufteilen...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Diese Buchung auf mehrere Kategorien mit eigenen Beträgen und Notizen aufteilen.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Eine Kategorie verwenden</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Aufteilung verwerfen und zu einer Buchung mit einer Kategorie zurückkehren.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknr.:</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Splitt—</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
</context>
<context>
    <name>UpdateChecks</name>
    <message>
        <source>Software Update</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Sie sind auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version.</source>
        <translation>%1 %2 ist die neueste Version.</translation>
    </message>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Software-Update</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>A new version of %1 is available</source>
        <translation>Eine neue Version von %1 ist verfügbar</translation>
    </message>
    <message>
        <source>%1 %2 is out; you have %3.</source>
        <translation>%1 %2 ist erschienen; Sie haben %3.</translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation>Veröffentlicht am %1</translation>
    </message>
    <message>
        <source>Release &amp;notes</source>
        <translation>&amp;Versionshinweise</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Versionshinweise</translation>
    </message>
    <message>
        <source>The notes for this version are on the web.</source>
        <translation>Die Hinweise zu dieser Version finden Sie im Web.</translation>
    </message>
    <message>
        <source>No release notes came with this version.</source>
        <translation>Zu dieser Version gibt es keine Versionshinweise.</translation>
    </message>
    <message>
        <source>Read the release notes on the web</source>
        <translation>Versionshinweise im Web lesen</translation>
    </message>
    <message>
        <source>Download: %1 (%2)</source>
        <translation>Download: %1 (%2)</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>&amp;Skip This Version</source>
        <translation>Version ü&amp;berspringen</translation>
    </message>
    <message>
        <source>&amp;Remind Me Later</source>
        <translation>&amp;Später erinnern</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
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
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie verfolgen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, während Sie Geld ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie ab, sobald Ihr Kontoauszug eintrifft.</translation>
    </message>
    <message>
        <source>Welcome to
Larkspire Quillet</source>
        <translation>Willkommen bei
Larkspire Quillet</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>Ein schnelles, auf die Tastatur ausgelegtes Kontoregister für Ihre Haushaltskonten.</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten geräteübergreifend zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto erstellen</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Bereits ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Anderes Konto erstellen</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New in %1</source>
        <translation>Neuigkeiten in %1</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Neuigkeiten</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht initialisiert werden.

Datenverzeichnis: %1

Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>QIF- oder CSV-Dateien zum Importieren.</translation>
    </message>
</context>
</TS>
