<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Larkspire Quillet</source>
        <translation>À propos de Larkspire Quillet</translation>
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
        <translation>Un registre de chèques rapide, pensé pour le clavier, pour les comptes de votre foyer.</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License version 3 (LGPL v3). Icons: the Material Icons font, under the Apache License 2.0.</source>
        <translation>Réalisé avec Qt %1, utilisé sous licence GNU Lesser General Public License version 3 (LGPL v3). Icônes&#xa0;: police Material Icons, sous licence Apache 2.0.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Open Data &amp;Folder</source>
        <translation>Ouvrir le &amp;dossier des données</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Impossible d&apos;ouvrir le dossier&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Solde initial</translation>
    </message>
    <message>
        <source>This is the account&apos;s &quot;Opening Balance&quot; transaction. To change it, edit that transaction in the register.</source>
        <translation>Il s&apos;agit de l&apos;opération «&#xa0;Solde d&apos;ouverture&#xa0;» du compte. Pour la changer, modifiez cette opération dans le registre.</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>Account Number</source>
        <translation>Numéro de compte</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Banque&#xa0;:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>N° de &amp;compte&#xa0;:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions: their amounts were entered in this currency.</source>
        <translation>La devise ne peut plus changer une fois que le compte contient des opérations&#xa0;: leurs montants ont été saisis dans cette devise.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 au %2</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Sign in to your Larkspire account to share accounts with your family group.</source>
        <translation>Connectez-vous à votre compte Larkspire pour partager des comptes avec votre groupe familial.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has not been synced yet. It can be shared once the next sync has finished.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas encore été synchronisé. Vous pourrez le partager une fois la prochaine synchronisation terminée.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Échec du partage du compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>ACCOUNTS</source>
        <translation>COMPTES</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Total de tous les comptes</translation>
    </message>
    <message>
        <source>%1, balance %2</source>
        <translation>%1, solde %2</translation>
    </message>
    <message>
        <source>%1, shared, balance %2</source>
        <translation>%1, partagé, solde %2</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Partagé</translation>
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
        <translation>Compte Larkspire</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Your Larkspire Account</source>
        <translation>Votre compte Larkspire</translation>
    </message>
    <message>
        <source>Sign in to keep your register in sync on all your devices. Everything stays on this device as well, and Larkspire Quillet keeps working offline.</source>
        <translation>Connectez-vous pour synchroniser votre registre sur tous vos appareils. Tout reste également sur cet appareil, et Larkspire Quillet continue de fonctionner hors ligne.</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Se connecter</translation>
    </message>
    <message>
        <source>&amp;Create Account</source>
        <translation>&amp;Créer un compte</translation>
    </message>
    <message>
        <source>Finish signing in in your browser. This window updates when you are done.</source>
        <translation>Terminez la connexion dans votre navigateur. Cette fenêtre se mettra à jour une fois que ce sera fait.</translation>
    </message>
    <message>
        <source>Cance&amp;l Sign-In</source>
        <translation>Annu&amp;ler la connexion</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Appareils</translation>
    </message>
    <message>
        <source>Where this account is in use. This device comes first.</source>
        <translation>Appareils sur lesquels ce compte est utilisé. Cet appareil apparaît en premier.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>&amp;Manage Account Online…</source>
        <translation>&amp;Gérer le compte en ligne…</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>Unnamed device</source>
        <translation>Appareil sans nom</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>last seen %1</source>
        <translation>dernière activité&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (this device)</source>
        <translation>%1 (cet appareil)</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not tell which account is signed in (HTTP %1)</source>
        <translation>Impossible de savoir quel compte est connecté (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez ou restaurez vos données dans un fichier de sauvegarde portable.</translation>
    </message>
    <message>
        <source>Save every account, category, transaction, schedule and reconciliation to a ZIP file.</source>
        <translation>Enregistrer tous les comptes, catégories, opérations, échéanciers et rapprochements dans un fichier ZIP.</translation>
    </message>
    <message>
        <source>Restore data from a backup ZIP file.</source>
        <translation>Restaurer les données à partir d&apos;un fichier ZIP de sauvegarde.</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>%1

Automatic safety copies of your data are kept in:
%2
You can restore one under Safety Copies on this page.</source>
        <translation>%1

Des copies de sécurité automatiques de vos données sont conservées dans&#xa0;:
%2
Vous pouvez en restaurer une sous Copies de sécurité sur cette page.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les dates)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Restore exactly (the store becomes the backup)</source>
        <translation>Restaurer à l&apos;identique (la base de données devient la sauvegarde)</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Your data as it was before is kept as a safety copy:
%1</source>
        <translation>

Vos données telles qu&apos;elles étaient auparavant sont conservées dans une copie de sécurité&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large (%2 bytes, at most %3 allowed)</source>
        <translation>%1&#xa0;: entrée trop volumineuse (%2 octets, %3 au maximum)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>Backup too large: its entries add up to %1 bytes, at most %2 allowed</source>
        <translation>Sauvegarde trop volumineuse&#xa0;: ses entrées totalisent %1 octets, %2 au maximum</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>The backup&apos;s table of contents is damaged: some entries could not be read</source>
        <translation>La table des matières de la sauvegarde est endommagée&#xa0;: certaines entrées sont illisibles</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1&#xa0;: entrée endommagée</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON non valide</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1&#xa0;: erreur inattendue</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read</source>
        <translation>les colonnes de %1 sont illisibles</translation>
    </message>
    <message>
        <source>%1: bad entry name</source>
        <translation>%1&#xa0;: nom d&apos;entrée incorrect</translation>
    </message>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1&#xa0;: colonne inconnue %2</translation>
    </message>
    <message>
        <source>%1: bad value for %2</source>
        <translation>%1&#xa0;: valeur incorrecte pour %2</translation>
    </message>
    <message>
        <source>%1: the id %2 is in more than one entry</source>
        <translation>%1&#xa0;: l&apos;identifiant %2 figure dans plusieurs entrées</translation>
    </message>
    <message>
        <source>the table cannot be read</source>
        <translation>la table est illisible</translation>
    </message>
    <message>
        <source>cannot prepare the statement</source>
        <translation>impossible de préparer la requête</translation>
    </message>
    <message>
        <source>Nothing was restored: another program is writing to the store (database is locked). Try again when it has finished.</source>
        <translation>Rien n&apos;a été restauré&#xa0;: un autre programme écrit dans la base de données (base verrouillée). Réessayez lorsqu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>Nothing was restored: the store could not be written (%1).</source>
        <translation>Rien n&apos;a été restauré&#xa0;: impossible d&apos;écrire dans la base de données (%1).</translation>
    </message>
    <message>
        <source>The store could not be read whole (%1: %2). No backup was written.</source>
        <translation>La base de données n&apos;a pas pu être lue entièrement (%1&#xa0;: %2). Aucune sauvegarde n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>the check gave no answer</source>
        <translation>la vérification n&apos;a donné aucune réponse</translation>
    </message>
    <message>
        <source>The store is damaged (%1). No backup was written.</source>
        <translation>La base de données est endommagée (%1). Aucune sauvegarde n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Nothing was restored: a safety copy of the store could not be made (%1).</source>
        <translation>Rien n&apos;a été restauré&#xa0;: impossible de faire une copie de sécurité de la base de données (%1).</translation>
    </message>
    <message>
        <source>the restored transactions cannot be indexed for search</source>
        <translation>impossible d&apos;indexer les opérations restaurées pour la recherche</translation>
    </message>
</context>
<context>
    <name>BackupUpkeep</name>
    <message>
        <source>Data File Damaged</source>
        <translation>Fichier de données endommagé</translation>
    </message>
    <message>
        <source>Larkspire Quillet found damage in its data file:
%1

Backups cannot be exported until this is repaired. Automatic safety copies of your data are kept in:
%2

You can restore one under Edit › Preferences › Data &amp; Sync › Safety Copies.</source>
        <translation>Larkspire Quillet a détecté des dommages dans son fichier de données&#xa0;:
%1

Les sauvegardes ne peuvent pas être exportées tant qu&apos;il n&apos;est pas réparé. Des copies de sécurité automatiques de vos données sont conservées dans&#xa0;:
%2

Vous pouvez en restaurer une sous Édition › Préférences › Données et synchro › Copies de sécurité.</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Rechercher des catégories</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Ajouter une sous-catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;? Les opérations de cette catégorie deviendront non catégorisées.</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>Impossible de supprimer la catégorie.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Concerne les impôts</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports fiscaux.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal&#xa0;:</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Crédit immobilier</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Factures</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais et commissions</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Indépendant / Conseil</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>%1: %2 (%3 %)</source>
        <translation>%1&#xa0;: %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; et %n autre</numerusform>
            <numerusform>; et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les 2 semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
</context>
<context>
    <name>CsvConverter</name>
    <message>
        <source>No date</source>
        <translation>Pas de date</translation>
    </message>
    <message>
        <source>Unreadable date &quot;%1&quot;</source>
        <translation>Date illisible «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>No amount</source>
        <translation>Pas de montant</translation>
    </message>
    <message>
        <source>Unreadable amount &quot;%1&quot;</source>
        <translation>Montant illisible «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>Date column:</source>
        <translation>Colonne de date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne du bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne du montant&#xa0;:</translation>
    </message>
    <message>
        <source>Debit column:</source>
        <translation>Colonne de débit&#xa0;:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Colonne de crédit&#xa0;:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne du mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne de catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date&#xa0;:</translation>
    </message>
    <message>
        <source>Import into:</source>
        <translation>Importer dans&#xa0;:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Détection auto</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Preview of the rows as they will be imported</source>
        <translation>Aperçu des lignes telles qu&apos;elles seront importées</translation>
    </message>
    <message>
        <source>New account &quot;%1&quot;</source>
        <translation>Nouveau compte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Column %1 (e.g. %2)</source>
        <translation>Colonne %1 (p. ex. %2)</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Colonnes de débit et de crédit</translation>
    </message>
    <message>
        <source>Choose the date column</source>
        <translation>Choisissez la colonne de date</translation>
    </message>
    <message>
        <source>Dates detected as %1</source>
        <translation>Dates détectées au format %1</translation>
    </message>
    <message>
        <source>Dates read as %1</source>
        <translation>Dates lues au format %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Open calendar</source>
        <translation>Ouvrir le calendrier</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>DateOrderRows</name>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mois/Jour/Année</translation>
    </message>
    <message>
        <source>month first</source>
        <translation>mois d&apos;abord</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Jour/Mois/Année</translation>
    </message>
    <message>
        <source>day first</source>
        <translation>jour d&apos;abord</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Année/Mois/Jour</translation>
    </message>
    <message>
        <source>year first</source>
        <translation>année d&apos;abord</translation>
    </message>
    <message>
        <source>no date in any order</source>
        <translation>aucune date valide, quel que soit l&apos;ordre</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 se lit %2</translation>
    </message>
    <message>
        <source>Ambiguous: %1</source>
        <translation>Ambigu&#xa0;: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Ordre de la date</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Date order of %1</source>
        <translation>Ordre de la date de %1</translation>
    </message>
    <message>
        <source>%1 (guessed)</source>
        <translation>%1 (supposé)</translation>
    </message>
    <message>
        <source>%1 (detected)</source>
        <translation>%1 (détecté)</translation>
    </message>
</context>
<context>
    <name>DeviceSignIn</name>
    <message>
        <source>the request was denied</source>
        <translation>la demande a été refusée</translation>
    </message>
    <message>
        <source>the code expired before it was approved</source>
        <translation>le code a expiré avant d&apos;être approuvé</translation>
    </message>
</context>
<context>
    <name>FormDialog</name>
    <message>
        <source>Everything you entered is kept: try again, or cancel and come back to it.</source>
        <translation>Tout ce que vous avez saisi est conservé&#xa0;: réessayez, ou annulez et revenez-y plus tard.</translation>
    </message>
    <message>
        <source>This could not be saved.

%1

%2</source>
        <translation>Impossible d&apos;enregistrer.

%1

%2</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Non catégorisé</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement lié entre comptes</numerusform>
            <numerusform>%n virements liés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (the lines do not add up to the amount)</source>
        <translation>
            <numerusform>%n opération ventilée ignorée (le total des lignes ne correspond pas au montant)</numerusform>
            <numerusform>%n opérations ventilées ignorées (le total des lignes ne correspond pas au montant)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (more than 1,000 lines)</source>
        <translation>
            <numerusform>%n opération ventilée ignorée (plus de 1&#xa0;000 lignes)</numerusform>
            <numerusform>%n opérations ventilées ignorées (plus de 1&#xa0;000 lignes)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than 4,000 characters cut short</source>
        <translation>
            <numerusform>%n texte de plus de 4&#xa0;000 caractères tronqué</numerusform>
            <numerusform>%n textes de plus de 4&#xa0;000 caractères tronqués</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (erreur de base de données — voir le journal)</numerusform>
            <numerusform>%n enregistrements ignorés (erreur de base de données — voir le journal)</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>The disk is full. The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>Le disque est plein. L&apos;importation a été interrompue et toutes les modifications ont été annulées. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>Another program is writing to the data file and did not finish in time. Nothing was imported; try again when it is done.</source>
        <translation>Un autre programme écrit dans le fichier de données et n&apos;a pas terminé à temps. Rien n&apos;a été importé&#xa0;; réessayez lorsqu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>Nothing was imported: no safety copy of the data could be made first (%1). Make room on the disk and try again.</source>
        <translation>Rien n&apos;a été importé&#xa0;: impossible de faire au préalable une copie de sécurité des données (%1). Libérez de l&apos;espace disque et réessayez.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>L&apos;importation a été annulée et toutes les modifications ont été défaites. Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <source>%1 …%2</source>
        <translation>%1 …%2</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the cleared balance here is %4.</source>
        <translation>%1&#xa0;: le solde de la banque au %2 est de %3&#xa0;; le solde pointé ici est de %4.</translation>
    </message>
    <message>
        <source>They differ by %1.</source>
        <translation>L&apos;écart est de %1.</translation>
    </message>
    <message>
        <source>%1 ends early: a row cut short and the bank&apos;s balance were left out</source>
        <translation>%1 se termine prématurément&#xa0;: une ligne tronquée et le solde de la banque ont été ignorés</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) skipped (investment accounts cannot be imported from OFX)</source>
        <translation>
            <numerusform>%n relevé de placement ignoré (les comptes de placement ne peuvent pas être importés depuis OFX)</numerusform>
            <numerusform>%n relevés de placement ignorés (les comptes de placement ne peuvent pas être importés depuis OFX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) skipped (in a currency the app does not keep)</source>
        <translation>
            <numerusform>%n relevé ignoré (devise non gérée par l&apos;application)</numerusform>
            <numerusform>%n relevés ignorés (devise non gérée par l&apos;application)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>No files chosen</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>&amp;Choose Files...</source>
        <translation>&amp;Choisir des fichiers...</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Fichiers&#xa0;:</translation>
    </message>
    <message>
        <source>QIF (Quicken Interchange Format)</source>
        <translation>QIF (Quicken Interchange Format)</translation>
    </message>
    <message>
        <source>CSV (comma-separated values)</source>
        <translation>CSV (valeurs séparées par des virgules)</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat&#xa0;:</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progression de l&apos;importation</translation>
    </message>
    <message>
        <source>%v of %m records</source>
        <translation>%v sur %m enregistrements</translation>
    </message>
    <message>
        <source>Cancel Import</source>
        <translation>Annuler l&apos;importation</translation>
    </message>
    <message>
        <source>Import result</source>
        <translation>Résultat de l&apos;importation</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Choose Files to Import</source>
        <translation>Choisir les fichiers à importer</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>Ces fichiers n&apos;ont pas pu être lus&#xa0;:
%1</translation>
    </message>
    <message>
        <source>OFX or QFX (bank statement download)</source>
        <translation>OFX ou QFX (relevé bancaire téléchargé)</translation>
    </message>
    <message>
        <source>Choose one or more QIF, CSV or OFX files to import.

QIF files keep their accounts, categories, splits and transfers. A CSV file from your bank goes into one account you choose. OFX and QFX downloads from your bank bring each row once, however often their dates overlap.</source>
        <translation>Choisissez un ou plusieurs fichiers QIF, CSV ou OFX à importer.

Les fichiers QIF conservent leurs comptes, catégories, ventilations et virements. Un fichier CSV de votre banque est importé dans un compte de votre choix. Les téléchargements OFX et QFX de votre banque n&apos;importent chaque ligne qu&apos;une seule fois, même si leurs dates se chevauchent.</translation>
    </message>
    <message>
        <source>QIF, CSV and OFX files (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF files (*.qif *.QIF);;CSV files (*.csv *.CSV *.txt);;OFX and QFX files (*.ofx *.OFX *.qfx *.QFX);;All files (*)</source>
        <translation>Fichiers QIF, CSV et OFX (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;Fichiers QIF (*.qif *.QIF);;Fichiers CSV (*.csv *.CSV *.txt);;Fichiers OFX et QFX (*.ofx *.OFX *.qfx *.QFX);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Reconcile to this balance</source>
        <translation>&amp;Rapprocher avec ce solde</translation>
    </message>
    <message>
        <source>Reconcile %1 to this balance</source>
        <translation>Rapprocher %1 avec ce solde</translation>
    </message>
    <message>
        <source>Reconcile %1 to the bank&apos;s balance</source>
        <translation>Rapprocher %1 avec le solde de la banque</translation>
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
        <translation>La requête n&apos;a pas été comprise.</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Il n&apos;y a rien ici.</translation>
    </message>
    <message>
        <source>This sign-in has already finished.</source>
        <translation>Cette connexion est déjà terminée.</translation>
    </message>
    <message>
        <source>You are signed in</source>
        <translation>Vous êtes connecté</translation>
    </message>
    <message>
        <source>Sign-in did not complete</source>
        <translation>La connexion n&apos;a pas abouti</translation>
    </message>
    <message>
        <source>You can close this tab and return to %1.</source>
        <translation>Vous pouvez fermer cet onglet et revenir à %1.</translation>
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
        <translation>Portefeuille</translation>
    </message>
    <message>
        <source>Welcome to Larkspire Quillet</source>
        <translation>Bienvenue dans Larkspire Quillet</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération récurrente saisie automatiquement</numerusform>
            <numerusform>%n opérations récurrentes saisies automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>An account needs a name; nothing was created.</source>
        <translation>Un compte doit avoir un nom&#xa0;; rien n&apos;a été créé.</translation>
    </message>
    <message>
        <source>An account needs a name; it was not changed.</source>
        <translation>Un compte doit avoir un nom&#xa0;; il n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»&#xa0;?

Toutes les opérations, opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données et synchro.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion&#xa0;: %1</translation>
    </message>
    <message>
        <source>Larkspire Account</source>
        <translation>Compte Larkspire</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gérer votre compte</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Se connecter ou s&apos;inscrire</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Larkspire &amp;Account...</source>
        <translation>Compte &amp;Larkspire...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;atégories</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Larkspire Quillet</source>
        <translation>À &amp;propos de Larkspire Quillet</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger des données d&apos;&amp;exemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>E&amp;ffacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insérer une nouvelle opération</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération actuelle</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apostrophe)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copier la valeur du champ du dessus</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Switch to account 1–9</source>
        <translation>Passer au compte 1–9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Passer au compte 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprochement — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier «&#xa0;%1&#xa0;»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 partage ce compte avec vous en lecture seule.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to %2, who shares it with you. Only they can delete it.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2, qui le partage avec vous. Seule cette personne peut le supprimer.</translation>
    </message>
    <message numerus="yes">
        <source>Synced; %n change(s) not accepted</source>
        <translation>
            <numerusform>Synchronisé&#xa0;; %n modification refusée</numerusform>
            <numerusform>Synchronisé&#xa0;; %n modifications refusées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) to an account shared with you were not accepted: you may only view it. They stay on this computer.</source>
        <translation>
            <numerusform>%n modification d&apos;un compte partagé avec vous a été refusée&#xa0;: vous pouvez seulement le consulter. Elle reste sur cet ordinateur.</numerusform>
            <numerusform>%n modifications d&apos;un compte partagé avec vous ont été refusées&#xa0;: vous pouvez seulement le consulter. Elles restent sur cet ordinateur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>Partager «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sync With a Different Account</source>
        <translation>Synchroniser avec un autre compte</translation>
    </message>
    <message>
        <source>The data on this computer was last synced with %1.

Continuing adds all of it to the account of %2 and brings that account&apos;s data here. Cancel signs you out again, and nothing is sent.</source>
        <translation>Les données de cet ordinateur ont été synchronisées pour la dernière fois avec %1.

Si vous continuez, elles seront toutes ajoutées au compte de %2 et les données de ce compte seront téléchargées ici. Annuler vous déconnecte de nouveau, et rien n&apos;est envoyé.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OfxMappingPanel</name>
    <message>
        <source>This copy of the app was built without OFX support and cannot read these files.</source>
        <translation>Cette version de l&apos;application a été compilée sans prise en charge d&apos;OFX et ne peut pas lire ces fichiers.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n opération trouvée.</numerusform>
            <numerusform>%n opérations trouvées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n enregistrement illisible sera ignoré.</numerusform>
            <numerusform>%n enregistrements illisibles seront ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) cannot be imported and will be skipped.</source>
        <translation>
            <numerusform>%n relevé de placement ne peut pas être importé et sera ignoré.</numerusform>
            <numerusform>%n relevés de placement ne peuvent pas être importés et seront ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) in a currency the app does not keep will be skipped.</source>
        <translation>
            <numerusform>%n relevé dans une devise non gérée par l&apos;application sera ignoré.</numerusform>
            <numerusform>%n relevés dans une devise non gérée par l&apos;application seront ignorés.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends early; a row cut short will be skipped.</source>
        <translation>%1 se termine prématurément&#xa0;; une ligne tronquée sera ignorée.</translation>
    </message>
    <message>
        <source>Choose where the rows of each account go.</source>
        <translation>Choisissez où importer les lignes de chaque compte.</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importer dans</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Import account ending %1 into</source>
        <translation>Importer le compte se terminant par %1 dans</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Nouveau compte (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Ignorer (ne pas importer)</translation>
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
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Bénéficiaires</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en&#xa0;:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>Impossible de renommer les bénéficiaires. Aucune opération n&apos;a été modifiée.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected: %1 of %2</source>
        <translation>Sélection : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PaymentTypeChoice</name>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
    <message>
        <source>Direct deposit</source>
        <translation>Virement de salaire</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>ATM withdrawal</source>
        <translation>Retrait au distributeur</translation>
    </message>
    <message>
        <source>Card payment</source>
        <translation>Paiement par carte</translation>
    </message>
    <message>
        <source>Quarterly gift</source>
        <translation>Don trimestriel</translation>
    </message>
    <message>
        <source>Holiday gifts</source>
        <translation>Cadeaux des fêtes</translation>
    </message>
    <message>
        <source>Six-month premium</source>
        <translation>Prime semestrielle</translation>
    </message>
    <message>
        <source>Two tickets</source>
        <translation>Deux billets</translation>
    </message>
    <message>
        <source>Weekly run</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Placement annuel</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>Credit card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Other asset</source>
        <translation>Autre actif</translation>
    </message>
    <message>
        <source>Other liability</source>
        <translation>Autre passif</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banque</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n opération trouvée.</numerusform>
            <numerusform>%n opérations trouvées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n enregistrement illisible sera ignoré.</numerusform>
            <numerusform>%n enregistrements illisibles seront ignorés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) will be skipped: their lines do not add up to the amount, or there are more than 1,000.</source>
        <translation>
            <numerusform>%n opération ventilée sera ignorée&#xa0;: le total de ses lignes ne correspond pas au montant, ou elle en compte plus de 1&#xa0;000.</numerusform>
            <numerusform>%n opérations ventilées seront ignorées&#xa0;: le total de leurs lignes ne correspond pas au montant, ou elles en comptent plus de 1&#xa0;000.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose where the records of each source account go.</source>
        <translation>Choisissez la destination des enregistrements de chaque compte source.</translation>
    </message>
    <message>
        <source>Source account</source>
        <translation>Compte source</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Enregistrements</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importer dans</translation>
    </message>
    <message>
        <source>Import %1 into</source>
        <translation>Importer %1 dans</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Nouveau compte (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Ignorer (ne pas importer)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Reconciliation history</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Counted as cleared</source>
        <translation>Compté comme pointé</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>Non compté</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Del)</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Tout pointer</translation>
    </message>
    <message>
        <source>Count every listed transaction as cleared (%1)</source>
        <translation>Compter toutes les opérations listées comme pointées (%1)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout dépointer</translation>
    </message>
    <message>
        <source>Count no listed transaction as cleared (%1)</source>
        <translation>Ne compter aucune opération listée comme pointée (%1)</translation>
    </message>
    <message>
        <source>Transactions to reconcile</source>
        <translation>Opérations à rapprocher</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. No transaction was changed; your check marks are kept so you can try again.</source>
        <translation>Impossible d&apos;enregistrer le rapprochement. Aucune opération n&apos;a été modifiée&#xa0;; vos coches sont conservées pour que vous puissiez réessayer.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Compte rapproché avec succès.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération de «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Impossible de supprimer l&apos;opération.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Saisir automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début&#xa0;:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Saisir à l&apos;avance&#xa0;:</translation>
    </message>
    <message>
        <source>%1 shares %2 with you to view only.</source>
        <translation>%1 partage %2 avec vous en lecture seule.</translation>
    </message>
    <message>
        <source>A schedule that uses it is never posted, so this one can&apos;t be saved.</source>
        <translation>Une opération récurrente qui l&apos;utilise n&apos;est jamais passée : celle-ci ne peut donc pas être enregistrée.</translation>
    </message>
    <message>
        <source>%1 (view only)</source>
        <translation>%1 (lecture seule)</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 partage ce compte avec vous en lecture seule.</translation>
    </message>
    <message>
        <source>A schedule stays in its account. To use another account, make a new schedule.</source>
        <translation>Une opération récurrente reste dans son compte. Pour utiliser un autre compte, créez-en une nouvelle.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Statut</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer les échéances</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrence</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Passer</translation>
    </message>
    <message>
        <source>Enter E&amp;arly...</source>
        <translation>Saisir en &amp;avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>Non saisie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. Its schedule needs editing: check its date and, for a transfer, its accounts.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être saisie. Son échéancier doit être modifié&#xa0;: vérifiez sa date et, pour un virement, ses comptes.</translation>
    </message>
    <message>
        <source>Already Entered</source>
        <translation>Déjà saisie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 was entered already, so it was not entered again. The schedule moved on to its next date.</source>
        <translation>«&#xa0;%1&#xa0;» du %2 a déjà été saisie&#xa0;; elle n&apos;a donc pas été saisie à nouveau. L&apos;échéancier est passé à sa date suivante.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir «&#xa0;%1&#xa0;» maintenant, à la date du %2&#xa0;? L&apos;opération est datée de son échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted.

%1</source>
        <translation>Impossible de supprimer l&apos;opération récurrente.

%1</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations récurrentes à échéance dans les 7 prochains jours&#xa0;? Elles sont datées de leur échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>The occurrence could not be skipped.

%1</source>
        <translation>Impossible de passer l&apos;échéance.

%1</translation>
    </message>
</context>
<context>
    <name>RegisterColumns</name>
    <message>
        <source>Show columns</source>
        <translation>Afficher les colonnes</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Réinitialiser la disposition du registre</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N° chq</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above  |  -5 under Payment: a deposit of 5</source>
        <translation>%1&#xa0;: enregistrer  |  Entrée&#xa0;: suivant  |  %2&#xa0;: supprimer  |  %3&#xa0;: mémoriser  |  &apos;&#xa0;: copier au-dessus  |  -5 sous Paiement&#xa0;: un dépôt de 5</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible&#xa0;: la date de l&apos;opération source n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez un montant de paiement ou de dépôt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount; type it like %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un montant&#xa0;; saisissez-le comme %2</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Catégorie inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte de virement introuvable</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Un virement nécessite un autre compte</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Les deux comptes d&apos;un virement doivent utiliser la même devise</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>The transaction was not saved: %1</source>
        <translation>L&apos;opération n&apos;a pas été enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Everything you typed is still in the row.</source>
        <translation>Tout ce que vous avez saisi reste dans la ligne.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;» de %2&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance</source>
        <translation>Le solde d&apos;ouverture est le solde initial du compte</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Modifier dans une fenêtre...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>Afficher les &amp;détails...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>Ven&amp;tiler l&apos;opération...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer non &amp;pointé</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer &amp;pointé</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement depuis %1</translation>
    </message>
    <message>
        <source>Shared with you by %1 · view only</source>
        <translation>Partagé avec vous par %1 · lecture seule</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Partagé avec vous par %1</translation>
    </message>
    <message>
        <source>Shared with your family group</source>
        <translation>Partagé avec votre groupe familial</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only</source>
        <translation>%1 partage ce compte avec vous en lecture seule</translation>
    </message>
    <message>
        <source>A transfer&apos;s other account cannot be changed. Delete the transfer and enter it again towards %1.</source>
        <translation>L&apos;autre compte d&apos;un virement ne peut pas être changé. Supprimez le virement et saisissez-le de nouveau vers %1.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer. Delete it and enter the transfer to %1 as a new transaction.</source>
        <translation>Une opération existante ne peut pas devenir un virement. Supprimez-la et saisissez le virement vers %1 comme une nouvelle opération.</translation>
    </message>
    <message>
        <source>The transaction was not deleted: %1</source>
        <translation>L&apos;opération n&apos;a pas été supprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The cleared mark was not changed: %1</source>
        <translation>Le pointage n&apos;a pas été modifié&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>RegisterTableView</name>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>The report could not be made: %1</source>
        <translation>Impossible de créer le rapport&#xa0;: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Inflow</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflow</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Clôture</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Last Reconciled</source>
        <translation>Dernier rapprochement</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Category / Month</source>
        <translation>Catégorie / Mois</translation>
    </message>
    <message>
        <source>This Period</source>
        <translation>Cette période</translation>
    </message>
    <message>
        <source>Year Before</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Change %</source>
        <translation>Variation %</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Dons aux œuvres</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Frais médicaux et dentaires</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impôts locaux</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intérêts d&apos;emprunt immobilier</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Revenus d&apos;activité indépendante</translation>
    </message>
    <message>
        <source>Tax Category</source>
        <translation>Catégorie fiscale</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
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
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ReportParts</name>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Transfer: %1</source>
        <translation>Virement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Revenus et dépenses par mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Balance at the end of each month</source>
        <translation>Solde à la fin de chaque mois</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Cette période</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Non catégorisé</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Other %1</source>
        <translation>%1 (autres)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Largest payees by spending</source>
        <translation>Principaux bénéficiaires par dépenses</translation>
    </message>
    <message>
        <source>Other tax-related</source>
        <translation>Autres éléments fiscaux</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be written: %1</source>
        <translation>Impossible d&apos;écrire le PDF&#xa0;: %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>%1  •  Printed %2</source>
        <translation>%1  •  Imprimé le %2</translation>
    </message>
    <message>
        <source>The newest %1 of %2 rows.</source>
        <translation>Les %1 lignes les plus récentes sur %2.</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>une page n&apos;a pas pu être ajoutée</translation>
    </message>
</context>
<context>
    <name>ReportRowsWindow</name>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Reading the transactions…</source>
        <translation>Lecture des opérations…</translation>
    </message>
    <message>
        <source>The newest %1 of %2 transactions</source>
        <translation>Les %1 opérations les plus récentes sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n opération</numerusform>
            <numerusform>%n opérations</numerusform>
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
        <translation>Double-cliquez pour voir les opérations</translation>
    </message>
    <message>
        <source>Double-click to open the transaction</source>
        <translation>Double-cliquez pour ouvrir l&apos;opération</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Report table</source>
        <translation>Tableau du rapport</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exporter en PDF…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Ca&amp;tégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Any payee</source>
        <translation>Tous les bénéficiaires</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Making the report…</source>
        <translation>Création du rapport…</translation>
    </message>
    <message>
        <source>Showing the newest %1 of %2 rows; Export CSV writes them all.</source>
        <translation>Affichage des %1 lignes les plus récentes sur %2&#xa0;; «&#xa0;Exporter en CSV&#xa0;» les écrit toutes.</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>Rien pour cette période.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>Écriture de %1…</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Showing the newest %1 rows; counting the rest…</source>
        <translation>Affichage des %1 lignes les plus récentes&#xa0;; comptage du reste…</translation>
    </message>
</context>
<context>
    <name>SafetyCopies</name>
    <message>
        <source>There is no safety copy named %1.</source>
        <translation>Aucune copie de sécurité nommée %1.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened (%2).</source>
        <translation>Impossible d&apos;ouvrir la copie %1 (%2).</translation>
    </message>
    <message>
        <source>The copy %1 is damaged (%2).</source>
        <translation>La copie %1 est endommagée (%2).</translation>
    </message>
    <message>
        <source>A safety copy of the store could not be made (%1).</source>
        <translation>Impossible de faire une copie de sécurité de la base de données (%1).</translation>
    </message>
    <message>
        <source>The store cannot be opened (%1).</source>
        <translation>Impossible d&apos;ouvrir la base de données (%1).</translation>
    </message>
    <message>
        <source>The store cannot be written (%1).</source>
        <translation>Impossible d&apos;écrire dans la base de données (%1).</translation>
    </message>
    <message>
        <source>Another program is writing to the store (%1). Try again when it has finished.</source>
        <translation>Un autre programme écrit dans la base de données (%1). Réessayez lorsqu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>The copy could not be written into the store (%1).</source>
        <translation>Impossible d&apos;écrire la copie dans la base de données (%1).</translation>
    </message>
    <message>
        <source>The copy was restored but could not be brought up to date.</source>
        <translation>La copie a été restaurée, mais n&apos;a pas pu être mise à jour.</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesPanel</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>Avant importation</translation>
    </message>
    <message>
        <source>Before restore</source>
        <translation>Avant restauration</translation>
    </message>
    <message>
        <source>Before exact restore</source>
        <translation>Avant restauration exacte</translation>
    </message>
    <message>
        <source>Before copy restore</source>
        <translation>Avant restauration d&apos;une copie</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No safety copies yet.</source>
        <translation>Aucune copie de sécurité pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Restore This Copy</source>
        <translation>Restaurer cette copie</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Safety Copies</source>
        <translation>Copies de sécurité</translation>
    </message>
    <message>
        <source>A copy of your data is kept before every import and restore, and once a day. The newest %1 and the last %2 daily copies stay.</source>
        <translation>Une copie de vos données est conservée avant chaque importation et restauration, ainsi qu&apos;une fois par jour. Les %1 plus récentes et les %2 dernières copies quotidiennes sont gardées.</translation>
    </message>
    <message>
        <source>Safety copies</source>
        <translation>Copies de sécurité</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Créée</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Replace all of your data with the selected copy, after one more safety copy.</source>
        <translation>Remplacer toutes vos données par la copie sélectionnée, après une copie de sécurité supplémentaire.</translation>
    </message>
    <message>
        <source>Show the folder the safety copies are kept in.</source>
        <translation>Afficher le dossier où sont conservées les copies de sécurité.</translation>
    </message>
    <message>
        <source>Replace all of your data with the copy made %1?

Your data as it is now is kept as one more safety copy first, so this can be undone.</source>
        <translation>Remplacer toutes vos données par la copie du %1&#xa0;?

Vos données actuelles sont d&apos;abord conservées dans une copie de sécurité supplémentaire&#xa0;; cette action peut donc être annulée.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
    <message>
        <source>Copy Restored</source>
        <translation>Copie restaurée</translation>
    </message>
    <message>
        <source>Your data is now the copy made %1.

Your data as it was is kept as:
%2</source>
        <translation>Vos données correspondent maintenant à la copie du %1.

Vos données précédentes sont conservées sous&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>Impossible d&apos;ouvrir le dossier&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>The sample data could not be written; nothing was changed.</source>
        <translation>Impossible d&apos;écrire les données d&apos;exemple&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Account: %1</source>
        <translation>Compte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher bénéficiaire, mémo, n° de chèque...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texte recherché</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte&#xa0;:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Période&#xa0;:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de recherche</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message>
        <source>Showing the %1 newest matches. Narrow the search to find older ones.</source>
        <translation>Affichage des %1 résultats les plus récents. Affinez la recherche pour trouver les plus anciens.</translation>
    </message>
    <message>
        <source>No transactions found.</source>
        <translation>Aucune opération trouvée.</translation>
    </message>
    <message>
        <source>Transactions found: %1</source>
        <translation>Opérations trouvées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Pages des préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Larkspire Quillet looks.</source>
        <translation>Choisissez l&apos;apparence de Larkspire Quillet.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Paramètre du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>&amp;Font size</source>
        <translation>Taille de &amp;police</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>La &amp;semaine commence le</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspire Quillet.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de Larkspire Quillet.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Affichage des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes doubles</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une deuxième ligne, sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Définissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
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
        <translation>Un registre de chèques rapide, pensé pour le clavier, pour les comptes de votre foyer. Vos données résident dans un seul fichier sur cet appareil, et l&apos;application fonctionne entièrement hors ligne.</translation>
    </message>
    <message>
        <source>Larkspire Quillet uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPL v3). Icons: Material Icons, Apache License 2.0.</source>
        <translation>Larkspire Quillet utilise le framework Qt, sous licence GNU Lesser General Public License version 3 (LGPL v3). Icônes&#xa0;: Material Icons, licence Apache 2.0.</translation>
    </message>
    <message>
        <source>%1  —  deleted %2</source>
        <translation>%1  —  supprimé le %2</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurer le compte</translation>
    </message>
    <message>
        <source>The account could not be restored. Please try again.</source>
        <translation>Impossible de restaurer le compte. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>ShareAccountDialog</name>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>Partager «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>People who share this account</source>
        <translation>Personnes qui partagent ce compte</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rôle</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Stop sharing this account with the selected person</source>
        <translation>Arrêter de partager ce compte avec la personne sélectionnée</translation>
    </message>
    <message>
        <source>Share &amp;with:</source>
        <translation>Partager a&amp;vec&#xa0;:</translation>
    </message>
    <message>
        <source>Family group member</source>
        <translation>Membre du groupe familial</translation>
    </message>
    <message>
        <source>&amp;as</source>
        <translation>&amp;en tant que</translation>
    </message>
    <message>
        <source>A viewer sees the account; an editor can also enter and change its transactions.</source>
        <translation>Un lecteur voit le compte&#xa0;; un éditeur peut aussi saisir et modifier ses opérations.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shared right now.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être partagé pour le moment.</translation>
    </message>
    <message>
        <source>Share &quot;%1&quot; with members of your family group.</source>
        <translation>Partagez «&#xa0;%1&#xa0;» avec les membres de votre groupe familial.</translation>
    </message>
    <message>
        <source>Asking the service who shares it...</source>
        <translation>Recherche des personnes qui le partagent...</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you. You can view it and enter transactions in it.</source>
        <translation>%1 partage «&#xa0;%2&#xa0;» avec vous. Vous pouvez le consulter et y saisir des opérations.</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you to view.</source>
        <translation>%1 partage «&#xa0;%2&#xa0;» avec vous en lecture seule.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite your household from your Larkspire account&apos;s family page first.</source>
        <translation>Personne d&apos;autre ne fait encore partie de votre groupe familial. Invitez d&apos;abord votre foyer depuis la page Famille de votre compte Larkspire.</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Passer en &amp;lecteur</translation>
    </message>
    <message>
        <source>Make &amp;Editor</source>
        <translation>Passer en é&amp;diteur</translation>
    </message>
    <message>
        <source>Change what the selected person may do in this account</source>
        <translation>Modifier ce que la personne sélectionnée peut faire dans ce compte</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Arrêter le partage</translation>
    </message>
    <message>
        <source>Stop sharing &quot;%1&quot; with %2?

The account and its transactions leave their computers at their next sync.</source>
        <translation>Arrêter de partager «&#xa0;%1&#xa0;» avec %2&#xa0;?

Le compte et ses opérations disparaîtront de ses ordinateurs à sa prochaine synchronisation.</translation>
    </message>
</context>
<context>
    <name>SignInClient</name>
    <message>
        <source>could not listen for the browser&apos;s answer</source>
        <translation>impossible d&apos;écouter la réponse du navigateur</translation>
    </message>
    <message>
        <source>the browser did not come back within 5 minutes</source>
        <translation>le navigateur n&apos;a pas répondu dans les 5 minutes</translation>
    </message>
    <message>
        <source>no web browser could be opened</source>
        <translation>aucun navigateur web n&apos;a pu être ouvert</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>the answer did not belong to this sign-in</source>
        <translation>la réponse ne correspondait pas à cette connexion</translation>
    </message>
    <message>
        <source>the answer carried no sign-in code</source>
        <translation>la réponse ne contenait aucun code de connexion</translation>
    </message>
    <message>
        <source>the service sent no tokens</source>
        <translation>le service n&apos;a envoyé aucun jeton</translation>
    </message>
    <message>
        <source>the sign-in could not be kept on this computer</source>
        <translation>la connexion n&apos;a pas pu être conservée sur cet ordinateur</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventilation de l&apos;opération</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total&#xa0;: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Reste&#xa0;: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not %2. Adjust the total to %1?</source>
        <translation>Le total des lignes de ventilation est de %1, et non de %2. Ajuster le total à %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Ajuster</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conserver</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Ajouter une ligne</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Supprimer</translation>
    </message>
    <message>
        <source>Category, line %1</source>
        <translation>Catégorie, ligne %1</translation>
    </message>
    <message>
        <source>Amount, line %1</source>
        <translation>Montant, ligne %1</translation>
    </message>
    <message>
        <source>Memo, line %1</source>
        <translation>Mémo, ligne %1</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Ventilation de l&apos;opération</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category. Choose a category for every split line with an amount, or set its amount to 0.</source>
        <translation>La ligne %1 a un montant mais pas de catégorie. Choisissez une catégorie pour chaque ligne de ventilation ayant un montant, ou mettez son montant à 0.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Opérations récurrentes à échéance</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>État de la synchronisation</translation>
    </message>
    <message>
        <source>Sync in progress</source>
        <translation>Synchronisation en cours</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>The data file is in use by another program. Wait a moment and try again.</source>
        <translation>Le fichier de données est utilisé par un autre programme. Patientez un instant et réessayez.</translation>
    </message>
    <message>
        <source>The data file cannot be written to (it is read-only).</source>
        <translation>Impossible d&apos;écrire dans le fichier de données (il est en lecture seule).</translation>
    </message>
    <message>
        <source>The disk could not be written to.</source>
        <translation>Impossible d&apos;écrire sur le disque.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>Le fichier de données est endommagé.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The change could not be saved.</source>
        <translation>Impossible d&apos;enregistrer la modification.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not save the pulled changes</source>
        <translation>Impossible d&apos;enregistrer les modifications reçues</translation>
    </message>
</context>
<context>
    <name>SyncPanel</name>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchro complète</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your quillet in sync across all your devices.</source>
        <translation>Synchronisez votre registre sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Send this device&apos;s changes and fetch the others&apos; now.</source>
        <translation>Envoyer maintenant les modifications de cet appareil et récupérer celles des autres.</translation>
    </message>
    <message>
        <source>Upload every row again and download everything from the server.</source>
        <translation>Renvoyer toutes les lignes et tout retélécharger depuis le serveur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Statut&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspire Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Larkspire pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales seront renvoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. Utilisez cette option si les données semblent désynchronisées entre vos appareils.

Continuer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TablePages</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Détails de l&apos;opération</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Virement vers&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut&#xa0;:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Saisie&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Dernière modification&#xa0;: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marquer non pointé</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marquer pointé</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Lignes de ventilation</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(aucune ligne de ventilation enregistrée)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(non catégorisé)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Rapproché</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation>Impossible d&apos;enregistrer le pointage.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement «&#xa0;%1&#xa0;» de %2&#xa0;?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer «&#xa0;%1&#xa0;» de %2&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>Impossible de supprimer l&apos;opération.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Commencez à taper pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Ventiler...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Répartir cette opération sur plusieurs catégories, chacune avec son montant et son mémo.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Catégorie unique</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Supprimer la ventilation et revenir à une opération à catégorie unique.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque&#xa0;:</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Ventilation—</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde d&apos;ouverture</translation>
    </message>
</context>
<context>
    <name>UpdateChecks</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Vous êtes à jour</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version.</source>
        <translation>%1 %2 est la version la plus récente.</translation>
    </message>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>Impossible de rechercher les mises à jour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>A new version of %1 is available</source>
        <translation>Une nouvelle version de %1 est disponible</translation>
    </message>
    <message>
        <source>%1 %2 is out; you have %3.</source>
        <translation>%1 %2 est disponible&#xa0;; vous avez la version %3.</translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation>Publiée le %1</translation>
    </message>
    <message>
        <source>Release &amp;notes</source>
        <translation>&amp;Notes de version</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>The notes for this version are on the web.</source>
        <translation>Les notes de cette version sont disponibles sur le Web.</translation>
    </message>
    <message>
        <source>No release notes came with this version.</source>
        <translation>Cette version n&apos;est accompagnée d&apos;aucune note de version.</translation>
    </message>
    <message>
        <source>Read the release notes on the web</source>
        <translation>Lire les notes de version sur le Web</translation>
    </message>
    <message>
        <source>Download: %1 (%2)</source>
        <translation>Téléchargement&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Skip This Version</source>
        <translation>&amp;Ignorer cette version</translation>
    </message>
    <message>
        <source>&amp;Remind Me Later</source>
        <translation>&amp;Rappeler plus tard</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Télécharger</translation>
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
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (courant, épargne, carte de crédit ou tout autre compte que vous souhaitez suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Enregistrez vos opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Rapprochez votre compte à réception du relevé.</translation>
    </message>
    <message>
        <source>Welcome to
Larkspire Quillet</source>
        <translation>Bienvenue dans
Larkspire Quillet</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour parmi nous</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>Un registre de chèques rapide, pensé pour le clavier, pour les comptes de votre foyer.</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour synchroniser vos données entre vos appareils.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a expiré. Reconnectez-vous pour poursuivre la synchronisation.</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créer votre premier compte</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New in %1</source>
        <translation>Nouveautés de %1</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Nouveautés</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier des données&#xa0;: %1

Vérifiez les autorisations des fichiers et réessayez.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>Fichiers QIF ou CSV à importer.</translation>
    </message>
</context>
</TS>
