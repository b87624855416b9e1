<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Larkspire Quillet</source>
        <translation>Acerca de Larkspire Quillet</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>Un registro de cheques rápido, pensado para el teclado, para las cuentas de su hogar.</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License version 3 (LGPL v3). Icons: the Material Icons font, under the Apache License 2.0.</source>
        <translation>Creado con Qt %1, que se usa bajo la licencia GNU Lesser General Public License versión 3 (LGPL v3). Iconos: la fuente Material Icons, bajo la licencia Apache License 2.0.</translation>
    </message>
    <message>
        <source>Your data</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Open Data &amp;Folder</source>
        <translation>Abrir carpeta de &amp;datos</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>No se pudo abrir la carpeta:
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
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Starting Balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>This is the account&apos;s &quot;Opening Balance&quot; transaction. To change it, edit that transaction in the register.</source>
        <translation>Esta es la transacción &quot;Saldo inicial&quot; de la cuenta. Para cambiarla, edite esa transacción en el registro.</translation>
    </message>
    <message>
        <source>As of</source>
        <translation>A fecha de</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Institution</source>
        <translation>Entidad</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>Account Number</source>
        <translation>Número de cuenta</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Saldo inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;A fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de c&amp;uenta:</translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions: their amounts were entered in this currency.</source>
        <translation>La moneda no se puede cambiar cuando la cuenta ya tiene transacciones: sus importes se introdujeron en esta moneda.</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 el %2</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>Sign in to your Larkspire account to share accounts with your family group.</source>
        <translation>Inicie sesión en su cuenta de Larkspire para compartir cuentas con su grupo familiar.</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has not been synced yet. It can be shared once the next sync has finished.</source>
        <translation>&quot;%1&quot; aún no se ha sincronizado. Podrá compartirse cuando termine la próxima sincronización.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Error al compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>AccountSidebar</name>
    <message>
        <source>ACCOUNTS</source>
        <translation>CUENTAS</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Total of all accounts</source>
        <translation>Total de todas las cuentas</translation>
    </message>
    <message>
        <source>%1, balance %2</source>
        <translation>%1, saldo %2</translation>
    </message>
    <message>
        <source>%1, shared, balance %2</source>
        <translation>%1, compartida, saldo %2</translation>
    </message>
    <message>
        <source>Shared</source>
        <translation>Compartida</translation>
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
        <translation>Cuenta de Larkspire</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Your Larkspire Account</source>
        <translation>Su cuenta de Larkspire</translation>
    </message>
    <message>
        <source>Sign in to keep your register in sync on all your devices. Everything stays on this device as well, and Larkspire Quillet keeps working offline.</source>
        <translation>Inicie sesión para mantener su registro sincronizado en todos sus dispositivos. Todo se conserva también en este dispositivo y Larkspire Quillet sigue funcionando sin conexión.</translation>
    </message>
    <message>
        <source>&amp;Sign In</source>
        <translation>&amp;Iniciar sesión</translation>
    </message>
    <message>
        <source>&amp;Create Account</source>
        <translation>&amp;Crear cuenta</translation>
    </message>
    <message>
        <source>Finish signing in in your browser. This window updates when you are done.</source>
        <translation>Termine de iniciar sesión en su navegador. Esta ventana se actualizará cuando haya terminado.</translation>
    </message>
    <message>
        <source>Cance&amp;l Sign-In</source>
        <translation>Cance&amp;lar inicio de sesión</translation>
    </message>
    <message>
        <source>&amp;Devices</source>
        <translation>&amp;Dispositivos</translation>
    </message>
    <message>
        <source>Where this account is in use. This device comes first.</source>
        <translation>Dónde se usa esta cuenta. Este dispositivo aparece primero.</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>&amp;Manage Account Online…</source>
        <translation>&amp;Gestionar cuenta en línea…</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Cerrar &amp;sesión</translation>
    </message>
    <message>
        <source>Unnamed device</source>
        <translation>Dispositivo sin nombre</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>last seen %1</source>
        <translation>visto por última vez: %1</translation>
    </message>
    <message>
        <source>%1 (this device)</source>
        <translation>%1 (este dispositivo)</translation>
    </message>
</context>
<context>
    <name>AppState</name>
    <message>
        <source>Could not tell which account is signed in (HTTP %1)</source>
        <translation>No se pudo saber qué cuenta tiene la sesión iniciada (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>BackupPanel</name>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad portátil o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Save every account, category, transaction, schedule and reconciliation to a ZIP file.</source>
        <translation>Guarda todas las cuentas, categorías, transacciones, programaciones y conciliaciones en un archivo ZIP.</translation>
    </message>
    <message>
        <source>Restore data from a backup ZIP file.</source>
        <translation>Restaura los datos desde un archivo ZIP de copia de seguridad.</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>%1

Automatic safety copies of your data are kept in:
%2
You can restore one under Safety Copies on this page.</source>
        <translation>%1

Las copias de protección automáticas de sus datos se guardan en:
%2
Puede restaurar una en Copias de protección, en esta misma página.</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar fechas)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Restore exactly (the store becomes the backup)</source>
        <translation>Restaurar exactamente (la base de datos pasa a ser la copia)</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Se importaron %1 elementos y se omitieron %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>

Your data as it was before is kept as a safety copy:
%1</source>
        <translation>

Sus datos tal como estaban antes se conservan en una copia de protección:
%1</translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>%1: entry too large (%2 bytes, at most %3 allowed)</source>
        <translation>%1: entrada demasiado grande (%2 bytes; se permiten como máximo %3)</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>Backup too large: its entries add up to %1 bytes, at most %2 allowed</source>
        <translation>Copia de seguridad demasiado grande: sus entradas suman %1 bytes; se permiten como máximo %2</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no compatible: %1</translation>
    </message>
    <message>
        <source>The backup&apos;s table of contents is damaged: some entries could not be read</source>
        <translation>El índice de la copia de seguridad está dañado: no se pudieron leer algunas entradas</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: entrada dañada</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: unexpected error</source>
        <translation>%1: error inesperado</translation>
    </message>
    <message>
        <source>the columns of %1 cannot be read</source>
        <translation>no se pueden leer las columnas de %1</translation>
    </message>
    <message>
        <source>%1: bad entry name</source>
        <translation>%1: nombre de entrada incorrecto</translation>
    </message>
    <message>
        <source>%1: unknown column %2</source>
        <translation>%1: columna desconocida %2</translation>
    </message>
    <message>
        <source>%1: bad value for %2</source>
        <translation>%1: valor incorrecto para %2</translation>
    </message>
    <message>
        <source>%1: the id %2 is in more than one entry</source>
        <translation>%1: el id %2 aparece en más de una entrada</translation>
    </message>
    <message>
        <source>the table cannot be read</source>
        <translation>no se puede leer la tabla</translation>
    </message>
    <message>
        <source>cannot prepare the statement</source>
        <translation>no se puede preparar la consulta</translation>
    </message>
    <message>
        <source>Nothing was restored: another program is writing to the store (database is locked). Try again when it has finished.</source>
        <translation>No se restauró nada: otro programa está escribiendo en la base de datos (está bloqueada). Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Nothing was restored: the store could not be written (%1).</source>
        <translation>No se restauró nada: no se pudo escribir en la base de datos (%1).</translation>
    </message>
    <message>
        <source>The store could not be read whole (%1: %2). No backup was written.</source>
        <translation>No se pudo leer la base de datos completa (%1: %2). No se escribió ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>the check gave no answer</source>
        <translation>la comprobación no dio respuesta</translation>
    </message>
    <message>
        <source>The store is damaged (%1). No backup was written.</source>
        <translation>La base de datos está dañada (%1). No se escribió ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>Nothing was restored: a safety copy of the store could not be made (%1).</source>
        <translation>No se restauró nada: no se pudo hacer una copia de protección de la base de datos (%1).</translation>
    </message>
    <message>
        <source>the restored transactions cannot be indexed for search</source>
        <translation>no se pueden indexar las transacciones restauradas para la búsqueda</translation>
    </message>
</context>
<context>
    <name>BackupUpkeep</name>
    <message>
        <source>Data File Damaged</source>
        <translation>Archivo de datos dañado</translation>
    </message>
    <message>
        <source>Larkspire Quillet found damage in its data file:
%1

Backups cannot be exported until this is repaired. Automatic safety copies of your data are kept in:
%2

You can restore one under Edit › Preferences › Data &amp; Sync › Safety Copies.</source>
        <translation>Larkspire Quillet ha encontrado daños en su archivo de datos:
%1

No se pueden exportar copias de seguridad hasta que se repare. Las copias de protección automáticas de sus datos se guardan en:
%2

Puede restaurar una en Editar › Preferencias › Datos y sincronización › Copias de protección.</translation>
    </message>
</context>
<context>
    <name>CalendarPopup</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Buscar categorías</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar &quot;%1&quot;? Las transacciones con esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>The category could not be deleted.</source>
        <translation>No se pudo eliminar la categoría.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Tax-relevant</source>
        <translation>Con relevancia fiscal</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Incluir esta categoría en los informes fiscales.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej., charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;principal:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre la propiedad</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/Hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del vehículo</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del vehículo</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar/Inquilino</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Sueldo / Salario</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Autónomo / Consultoría</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
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
            <numerusform>; y %n más</numerusform>
            <numerusform>; y %n más</numerusform>
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
        <translation>Gráfico</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorros</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
</context>
<context>
    <name>CsvConverter</name>
    <message>
        <source>No date</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>Unreadable date &quot;%1&quot;</source>
        <translation>Fecha ilegible &quot;%1&quot;</translation>
    </message>
    <message>
        <source>No amount</source>
        <translation>Sin importe</translation>
    </message>
    <message>
        <source>Unreadable amount &quot;%1&quot;</source>
        <translation>Importe ilegible &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>CsvMappingPanel</name>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Debit column:</source>
        <translation>Columna de débito:</translation>
    </message>
    <message>
        <source>Credit column:</source>
        <translation>Columna de crédito:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>Import into:</source>
        <translation>Importar en:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>Auto-detect</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Preview of the rows as they will be imported</source>
        <translation>Vista previa de las filas tal como se importarán</translation>
    </message>
    <message>
        <source>New account &quot;%1&quot;</source>
        <translation>Nueva cuenta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Column %1 (e.g. %2)</source>
        <translation>Columna %1 (p. ej., %2)</translation>
    </message>
    <message>
        <source>Debit and credit columns</source>
        <translation>Columnas de débito y crédito</translation>
    </message>
    <message>
        <source>Choose the date column</source>
        <translation>Elija la columna de fecha</translation>
    </message>
    <message>
        <source>Dates detected as %1</source>
        <translation>Fechas detectadas como %1</translation>
    </message>
    <message>
        <source>Dates read as %1</source>
        <translation>Fechas leídas como %1</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitida: %1</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
</context>
<context>
    <name>DateLineEdit</name>
    <message>
        <source>Open calendar</source>
        <translation>Abrir calendario</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>DateOrderRows</name>
    <message>
        <source>Month/Day/Year</source>
        <translation>Mes/Día/Año</translation>
    </message>
    <message>
        <source>month first</source>
        <translation>primero el mes</translation>
    </message>
    <message>
        <source>Day/Month/Year</source>
        <translation>Día/Mes/Año</translation>
    </message>
    <message>
        <source>day first</source>
        <translation>primero el día</translation>
    </message>
    <message>
        <source>Year/Month/Day</source>
        <translation>Año/Mes/Día</translation>
    </message>
    <message>
        <source>year first</source>
        <translation>primero el año</translation>
    </message>
    <message>
        <source>no date in any order</source>
        <translation>ninguna fecha válida en ningún orden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation>%1 es %2</translation>
    </message>
    <message>
        <source>Ambiguous: %1</source>
        <translation>Ambiguo: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Date order</source>
        <translation>Orden de fecha</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Date order of %1</source>
        <translation>Orden de fecha de %1</translation>
    </message>
    <message>
        <source>%1 (guessed)</source>
        <translation>%1 (supuesto)</translation>
    </message>
    <message>
        <source>%1 (detected)</source>
        <translation>%1 (detectado)</translation>
    </message>
</context>
<context>
    <name>DeviceSignIn</name>
    <message>
        <source>the request was denied</source>
        <translation>se denegó la solicitud</translation>
    </message>
    <message>
        <source>the code expired before it was approved</source>
        <translation>el código caducó antes de ser aprobado</translation>
    </message>
</context>
<context>
    <name>FormDialog</name>
    <message>
        <source>Everything you entered is kept: try again, or cancel and come back to it.</source>
        <translation>Se conserva todo lo que introdujo: inténtelo de nuevo o cancele y vuelva a ello más tarde.</translation>
    </message>
    <message>
        <source>This could not be saved.

%1

%2</source>
        <translation>No se pudo guardar.

%1

%2</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
    <message>
        <source>Could not read %1</source>
        <translation>No se pudo leer %1</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (the lines do not add up to the amount)</source>
        <translation>
            <numerusform>%n transacción dividida omitida (las líneas no suman el importe)</numerusform>
            <numerusform>%n transacciones divididas omitidas (las líneas no suman el importe)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (more than 1,000 lines)</source>
        <translation>
            <numerusform>%n transacción dividida omitida (más de 1000 líneas)</numerusform>
            <numerusform>%n transacciones divididas omitidas (más de 1000 líneas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than 4,000 characters cut short</source>
        <translation>
            <numerusform>%n texto de más de 4000 caracteres recortado</numerusform>
            <numerusform>%n textos de más de 4000 caracteres recortados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n registro omitido (error de base de datos; consulte el log)</numerusform>
            <numerusform>%n registros omitidos (error de base de datos; consulte el log)</numerusform>
        </translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back. No transactions were added.</source>
        <translation>Un error de la base de datos detuvo la importación y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>The disk is full. The import was stopped and all changes were rolled back. No transactions were added.</source>
        <translation>El disco está lleno. Se detuvo la importación y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>Another program is writing to the data file and did not finish in time. Nothing was imported; try again when it is done.</source>
        <translation>Otro programa está escribiendo en el archivo de datos y no terminó a tiempo. No se importó nada; inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Nothing was imported: no safety copy of the data could be made first (%1). Make room on the disk and try again.</source>
        <translation>No se importó nada: antes no se pudo hacer una copia de protección de los datos (%1). Libere espacio en el disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The import was cancelled and all changes were rolled back. No transactions were added.</source>
        <translation>Se canceló la importación y se revirtieron todos los cambios. No se añadió ninguna transacción.</translation>
    </message>
    <message>
        <source>%1 …%2</source>
        <translation>%1 …%2</translation>
    </message>
    <message>
        <source>%1: the bank&apos;s balance on %2 is %3; the cleared balance here is %4.</source>
        <translation>%1: el saldo del banco el %2 es %3; el saldo compensado aquí es %4.</translation>
    </message>
    <message>
        <source>They differ by %1.</source>
        <translation>La diferencia es de %1.</translation>
    </message>
    <message>
        <source>%1 ends early: a row cut short and the bank&apos;s balance were left out</source>
        <translation>%1 termina antes de tiempo: se omitieron una fila incompleta y el saldo del banco</translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) skipped (investment accounts cannot be imported from OFX)</source>
        <translation>
            <numerusform>%n extracto de inversión omitido (las cuentas de inversión no se pueden importar desde OFX)</numerusform>
            <numerusform>%n extractos de inversión omitidos (las cuentas de inversión no se pueden importar desde OFX)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) skipped (in a currency the app does not keep)</source>
        <translation>
            <numerusform>%n extracto omitido (en una moneda que la aplicación no admite)</numerusform>
            <numerusform>%n extractos omitidos (en una moneda que la aplicación no admite)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportWindow</name>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>No files chosen</source>
        <translation>Ningún archivo elegido</translation>
    </message>
    <message>
        <source>&amp;Choose Files...</source>
        <translation>&amp;Elegir archivos...</translation>
    </message>
    <message>
        <source>&amp;Files:</source>
        <translation>&amp;Archivos:</translation>
    </message>
    <message>
        <source>QIF (Quicken Interchange Format)</source>
        <translation>QIF (Quicken Interchange Format)</translation>
    </message>
    <message>
        <source>CSV (comma-separated values)</source>
        <translation>CSV (valores separados por comas)</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Import progress</source>
        <translation>Progreso de la importación</translation>
    </message>
    <message>
        <source>%v of %m records</source>
        <translation>%v de %m registros</translation>
    </message>
    <message>
        <source>Cancel Import</source>
        <translation>Cancelar importación</translation>
    </message>
    <message>
        <source>Import result</source>
        <translation>Resultado de la importación</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Choose Files to Import</source>
        <translation>Elegir archivos para importar</translation>
    </message>
    <message>
        <source>These files could not be read:
%1</source>
        <translation>No se pudieron leer estos archivos:
%1</translation>
    </message>
    <message>
        <source>OFX or QFX (bank statement download)</source>
        <translation>OFX o QFX (extracto descargado del banco)</translation>
    </message>
    <message>
        <source>Choose one or more QIF, CSV or OFX files to import.

QIF files keep their accounts, categories, splits and transfers. A CSV file from your bank goes into one account you choose. OFX and QFX downloads from your bank bring each row once, however often their dates overlap.</source>
        <translation>Elija uno o varios archivos QIF, CSV u OFX para importar.

Los archivos QIF conservan sus cuentas, categorías, divisiones y transferencias. Un archivo CSV de su banco se importa en la cuenta que elija. Las descargas OFX y QFX de su banco traen cada fila una sola vez, aunque sus fechas se solapen.</translation>
    </message>
    <message>
        <source>QIF, CSV and OFX files (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;QIF files (*.qif *.QIF);;CSV files (*.csv *.CSV *.txt);;OFX and QFX files (*.ofx *.OFX *.qfx *.QFX);;All files (*)</source>
        <translation>Archivos QIF, CSV y OFX (*.qif *.QIF *.csv *.CSV *.txt *.ofx *.OFX *.qfx *.QFX);;Archivos QIF (*.qif *.QIF);;Archivos CSV (*.csv *.CSV *.txt);;Archivos OFX y QFX (*.ofx *.OFX *.qfx *.QFX);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Reconcile to this balance</source>
        <translation>&amp;Conciliar con este saldo</translation>
    </message>
    <message>
        <source>Reconcile %1 to this balance</source>
        <translation>Conciliar %1 con este saldo</translation>
    </message>
    <message>
        <source>Reconcile %1 to the bank&apos;s balance</source>
        <translation>Conciliar %1 con el saldo del banco</translation>
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
        <translation>No se entendió la solicitud.</translation>
    </message>
    <message>
        <source>There is nothing here.</source>
        <translation>Aquí no hay nada.</translation>
    </message>
    <message>
        <source>This sign-in has already finished.</source>
        <translation>Este inicio de sesión ya ha finalizado.</translation>
    </message>
    <message>
        <source>You are signed in</source>
        <translation>Ha iniciado sesión</translation>
    </message>
    <message>
        <source>Sign-in did not complete</source>
        <translation>No se completó el inicio de sesión</translation>
    </message>
    <message>
        <source>You can close this tab and return to %1.</source>
        <translation>Puede cerrar esta pestaña y volver a %1.</translation>
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
        <translation>Cartera</translation>
    </message>
    <message>
        <source>Welcome to Larkspire Quillet</source>
        <translation>Le damos la bienvenida a Larkspire Quillet</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV con Archivo › Importar.</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se registró automáticamente %n transacción recurrente</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones recurrentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>An account needs a name; nothing was created.</source>
        <translation>Una cuenta necesita un nombre; no se creó nada.</translation>
    </message>
    <message>
        <source>An account needs a name; it was not changed.</source>
        <translation>Una cuenta necesita un nombre; no se modificó.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar &quot;%1&quot;?

Se quitarán todas las transacciones, entradas recurrentes e historial de conciliación de esta cuenta. Puede restaurarla desde Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>The account could not be deleted.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Larkspire Account</source>
        <translation>Cuenta de Larkspire</translation>
    </message>
    <message>
        <source>Manage your account</source>
        <translation>Gestionar su cuenta</translation>
    </message>
    <message>
        <source>Sign in or sign up</source>
        <translation>Inicie sesión o regístrese</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Sin sesión iniciada</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva c&amp;uenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Larkspire &amp;Account...</source>
        <translation>Cuenta de &amp;Larkspire...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ce&amp;rrar sesión</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliación...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>Com&amp;partir...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;recurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>C&amp;ategorías</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Larkspire Quillet</source>
        <translation>&amp;Acerca de Larkspire Quillet</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar ac&amp;tualizaciones...</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Enviar comentarios...</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de te&amp;clado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de e&amp;jemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar transacción</translation>
    </message>
    <message>
        <source>Insert new transaction</source>
        <translation>Insertar nueva transacción</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar la transacción actual</translation>
    </message>
    <message>
        <source>Tab / Shift+Tab</source>
        <translation>Tab / Shift+Tab</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>&apos; (apostrophe)</source>
        <translation>&apos; (apóstrofo)</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>New account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring</source>
        <translation>Recurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Switch to account 1–9</source>
        <translation>Cambiar a la cuenta 1–9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Cambiar a la cuenta 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliación</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar &quot;%1&quot;...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliación...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 comparte esta cuenta con usted solo para consulta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; belongs to %2, who shares it with you. Only they can delete it.</source>
        <translation>&quot;%1&quot; pertenece a %2, que la comparte con usted. Solo esa persona puede eliminarla.</translation>
    </message>
    <message numerus="yes">
        <source>Synced; %n change(s) not accepted</source>
        <translation>
            <numerusform>Sincronizado; %n cambio no aceptado</numerusform>
            <numerusform>Sincronizado; %n cambios no aceptados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) to an account shared with you were not accepted: you may only view it. They stay on this computer.</source>
        <translation>
            <numerusform>No se aceptó %n cambio en una cuenta compartida con usted: solo puede consultarla. El cambio se conserva en este equipo.</numerusform>
            <numerusform>No se aceptaron %n cambios en una cuenta compartida con usted: solo puede consultarla. Los cambios se conservan en este equipo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>Compartir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Sync With a Different Account</source>
        <translation>Sincronizar con otra cuenta</translation>
    </message>
    <message>
        <source>The data on this computer was last synced with %1.

Continuing adds all of it to the account of %2 and brings that account&apos;s data here. Cancel signs you out again, and nothing is sent.</source>
        <translation>Los datos de este equipo se sincronizaron por última vez con %1.

Si continúa, se añadirán todos a la cuenta de %2 y los datos de esa cuenta se traerán aquí. Cancelar vuelve a cerrar la sesión y no se envía nada.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>OfxMappingPanel</name>
    <message>
        <source>This copy of the app was built without OFX support and cannot read these files.</source>
        <translation>Esta copia de la aplicación se compiló sin compatibilidad con OFX y no puede leer estos archivos.</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>Se encontró %n transacción.</numerusform>
            <numerusform>Se encontraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n registro no se puede leer y se omitirá.</numerusform>
            <numerusform>%n registros no se pueden leer y se omitirán.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) cannot be imported and will be skipped.</source>
        <translation>
            <numerusform>%n extracto de inversión no se puede importar y se omitirá.</numerusform>
            <numerusform>%n extractos de inversión no se pueden importar y se omitirán.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) in a currency the app does not keep will be skipped.</source>
        <translation>
            <numerusform>Se omitirá %n extracto en una moneda que la aplicación no admite.</numerusform>
            <numerusform>Se omitirán %n extractos en una moneda que la aplicación no admite.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ends early; a row cut short will be skipped.</source>
        <translation>%1 termina antes de tiempo; se omitirá una fila incompleta.</translation>
    </message>
    <message>
        <source>Choose where the rows of each account go.</source>
        <translation>Elija adónde van las filas de cada cuenta.</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importar en</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Import account ending %1 into</source>
        <translation>Importar la cuenta terminada en %1 en</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Nueva cuenta (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Omitir (no importar)</translation>
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
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Payees</source>
        <translation>Beneficiarios</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renombrar como:</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar selección</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar selección</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>The payees could not be renamed. No transaction was changed.</source>
        <translation>No se pudieron renombrar los beneficiarios. No se modificó ninguna transacción.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se cambió el beneficiario en %n transacción.</numerusform>
            <numerusform>Se cambió el beneficiario en %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinarlos.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se reasignó %n transacción.</numerusform>
            <numerusform>Se reasignaron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Selected: %1 of %2</source>
        <translation>Seleccionados: %1 de %2</translation>
    </message>
</context>
<context>
    <name>PaymentTypeChoice</name>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Monthly rent</source>
        <translation>Alquiler mensual</translation>
    </message>
    <message>
        <source>Direct deposit</source>
        <translation>Depósito de nómina</translation>
    </message>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>ATM withdrawal</source>
        <translation>Retiro en cajero</translation>
    </message>
    <message>
        <source>Card payment</source>
        <translation>Pago de tarjeta</translation>
    </message>
    <message>
        <source>Quarterly gift</source>
        <translation>Donativo trimestral</translation>
    </message>
    <message>
        <source>Holiday gifts</source>
        <translation>Regalos de fiestas</translation>
    </message>
    <message>
        <source>Six-month premium</source>
        <translation>Prima semestral</translation>
    </message>
    <message>
        <source>Two tickets</source>
        <translation>Dos entradas</translation>
    </message>
    <message>
        <source>Weekly run</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Yearly investment</source>
        <translation>Inversión anual</translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message>
        <source>Credit card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Other asset</source>
        <translation>Otro activo</translation>
    </message>
    <message>
        <source>Other liability</source>
        <translation>Otro pasivo</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>Banco</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>Se encontró %n transacción.</numerusform>
            <numerusform>Se encontraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n registro no se puede leer y se omitirá.</numerusform>
            <numerusform>%n registros no se pueden leer y se omitirán.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) will be skipped: their lines do not add up to the amount, or there are more than 1,000.</source>
        <translation>
            <numerusform>Se omitirá %n transacción dividida: sus líneas no suman el importe o hay más de 1000.</numerusform>
            <numerusform>Se omitirán %n transacciones divididas: sus líneas no suman el importe o hay más de 1000.</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose where the records of each source account go.</source>
        <translation>Elija adónde van los registros de cada cuenta de origen.</translation>
    </message>
    <message>
        <source>Source account</source>
        <translation>Cuenta de origen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Import into</source>
        <translation>Importar en</translation>
    </message>
    <message>
        <source>Import %1 into</source>
        <translation>Importar %1 en</translation>
    </message>
    <message>
        <source>New account (%1)</source>
        <translation>Nueva cuenta (%1)</translation>
    </message>
    <message>
        <source>Skip (do not import)</source>
        <translation>Omitir (no importar)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliación</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Reconciliation history</source>
        <translation>Historial de conciliación</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliación — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Counted as cleared</source>
        <translation>Contada como compensada</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>No contada</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Del)</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Count every listed transaction as cleared (%1)</source>
        <translation>Contar todas las transacciones de la lista como compensadas (%1)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Count no listed transaction as cleared (%1)</source>
        <translation>No contar ninguna transacción de la lista como compensada (%1)</translation>
    </message>
    <message>
        <source>Transactions to reconcile</source>
        <translation>Transacciones por conciliar</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Error en la conciliación</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved. No transaction was changed; your check marks are kept so you can try again.</source>
        <translation>No se pudo guardar la conciliación. No se modificó ninguna transacción; sus marcas se conservan para que pueda intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se concilió correctamente.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar la transacción.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción recurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Con fecha de fin</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>Enter in advance:</source>
        <translation>Registrar con antelación:</translation>
    </message>
    <message>
        <source>%1 shares %2 with you to view only.</source>
        <translation>%1 comparte %2 con usted solo para consulta.</translation>
    </message>
    <message>
        <source>A schedule that uses it is never posted, so this one can&apos;t be saved.</source>
        <translation>Una transacción recurrente que la usa nunca se registra, así que esta no se puede guardar.</translation>
    </message>
    <message>
        <source>%1 (view only)</source>
        <translation>%1 (solo consulta)</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only.</source>
        <translation>%1 comparte esta cuenta con usted solo para consulta.</translation>
    </message>
    <message>
        <source>A schedule stays in its account. To use another account, make a new schedule.</source>
        <translation>Una transacción recurrente se queda en su cuenta. Para usar otra cuenta, cree una nueva.</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar vencidas</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar próximos 7 días</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva recurrente</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 vencidas)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Enter E&amp;arly...</source>
        <translation>Registrar &amp;antes...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Not Posted</source>
        <translation>No registrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be posted. Its schedule needs editing: check its date and, for a transfer, its accounts.</source>
        <translation>No se pudo registrar &quot;%1&quot;. Hay que editar su programación: compruebe la fecha y, si es una transferencia, las cuentas.</translation>
    </message>
    <message>
        <source>Already Entered</source>
        <translation>Ya registrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; of %2 was entered already, so it was not entered again. The schedule moved on to its next date.</source>
        <translation>&quot;%1&quot; del %2 ya estaba registrada, así que no se volvió a registrar. La programación pasó a su siguiente fecha.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar antes</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar &quot;%1&quot; ahora, con fecha %2? La transacción lleva su fecha de vencimiento y puede editarla o eliminarla más tarde.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción recurrente &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted.

%1</source>
        <translation>No se pudo eliminar la transacción recurrente.

%1</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todas las transacciones recurrentes que vencen en los próximos 7 días? Llevan sus fechas de vencimiento y puede editarlas o eliminarlas más tarde.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>The occurrence could not be skipped.

%1</source>
        <translation>No se pudo omitir la repetición.

%1</translation>
    </message>
</context>
<context>
    <name>RegisterColumns</name>
    <message>
        <source>Show columns</source>
        <translation>Mostrar columnas</translation>
    </message>
    <message>
        <source>Reset register layout</source>
        <translation>Restablecer diseño del registro</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>N.º cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / Nota</translation>
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
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  &apos;: copy above  |  -5 under Payment: a deposit of 5</source>
        <translation>%1: guardar  |  Enter: siguiente  |  %2: eliminar  |  %3: memorizar  |  &apos;: copiar de arriba  |  -5 en Pago: un depósito de 5</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción memorizada como recurrente</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca un importe de pago o de depósito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount; type it like %2</source>
        <translation>&quot;%1&quot; no es un importe; escríbalo como %2</translation>
    </message>
    <message>
        <source>Unknown category: %1</source>
        <translation>Categoría desconocida: %1</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>A transfer needs another account</source>
        <translation>Una transferencia necesita otra cuenta</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>The transaction was not saved: %1</source>
        <translation>No se guardó la transacción: %1</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Transacción no guardada</translation>
    </message>
    <message>
        <source>Everything you typed is still in the row.</source>
        <translation>Todo lo que escribió sigue en la fila.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar &quot;%1&quot; por %2?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>The opening balance is the account&apos;s starting balance</source>
        <translation>El saldo inicial es el saldo con el que empieza la cuenta</translation>
    </message>
    <message>
        <source>&amp;Insert New</source>
        <translation>&amp;Insertar nueva</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit in Dialog...</source>
        <translation>&amp;Editar en diálogo...</translation>
    </message>
    <message>
        <source>Show &amp;Details...</source>
        <translation>&amp;Ver detalles...</translation>
    </message>
    <message>
        <source>Edit &amp;Splits...</source>
        <translation>Editar divi&amp;sión...</translation>
    </message>
    <message>
        <source>&amp;Split Transaction...</source>
        <translation>&amp;Dividir transacción...</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar no co&amp;mpensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transferencia desde %1</translation>
    </message>
    <message>
        <source>Shared with you by %1 · view only</source>
        <translation>Compartida con usted por %1 · solo consulta</translation>
    </message>
    <message>
        <source>Shared with you by %1</source>
        <translation>Compartida con usted por %1</translation>
    </message>
    <message>
        <source>Shared with your family group</source>
        <translation>Compartida con su grupo familiar</translation>
    </message>
    <message>
        <source>%1 shares this account with you to view only</source>
        <translation>%1 comparte esta cuenta con usted solo para consulta</translation>
    </message>
    <message>
        <source>A transfer&apos;s other account cannot be changed. Delete the transfer and enter it again towards %1.</source>
        <translation>No se puede cambiar la otra cuenta de una transferencia. Elimine la transferencia e introdúzcala de nuevo hacia %1.</translation>
    </message>
    <message>
        <source>An existing transaction cannot become a transfer. Delete it and enter the transfer to %1 as a new transaction.</source>
        <translation>Una transacción existente no puede convertirse en transferencia. Elimínela e introduzca la transferencia a %1 como una transacción nueva.</translation>
    </message>
    <message>
        <source>The transaction was not deleted: %1</source>
        <translation>No se eliminó la transacción: %1</translation>
    </message>
    <message>
        <source>The cleared mark was not changed: %1</source>
        <translation>No se cambió la marca de compensada: %1</translation>
    </message>
</context>
<context>
    <name>RegisterTableView</name>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>ReportBuilder</name>
    <message>
        <source>The report could not be made: %1</source>
        <translation>No se pudo generar el informe: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Opening</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Inflow</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflow</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Closing</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Last Reconciled</source>
        <translation>Última conciliación</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Category / Month</source>
        <translation>Categoría / Mes</translation>
    </message>
    <message>
        <source>This Period</source>
        <translation>Este período</translation>
    </message>
    <message>
        <source>Year Before</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Variación</translation>
    </message>
    <message>
        <source>Change %</source>
        <translation>Variación %</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Charitable contributions</source>
        <translation>Donativos benéficos</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Gastos médicos y dentales</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Impuesto sobre la propiedad</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Ingresos por dividendos</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Ingresos por trabajo autónomo</translation>
    </message>
    <message>
        <source>Tax Category</source>
        <translation>Categoría fiscal</translation>
    </message>
</context>
<context>
    <name>ReportCatalog</name>
    <message>
        <source>Category Spending</source>
        <translation>Gasto por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos y gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
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
        <translation>No se pudo escribir el archivo: %1</translation>
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
        <translation>Transferencia: %1</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Ingresos y gastos por mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Balance at the end of each month</source>
        <translation>Saldo al final de cada mes</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Opening balance</source>
        <translation>Saldo inicial</translation>
    </message>
    <message>
        <source>This period</source>
        <translation>Este período</translation>
    </message>
    <message>
        <source>Year before</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Spending</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Gasto por categoría</translation>
    </message>
    <message>
        <source>Other %1</source>
        <translation>%1 (otros)</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Largest payees by spending</source>
        <translation>Beneficiarios con mayor gasto</translation>
    </message>
    <message>
        <source>Other tax-related</source>
        <translation>Otros con relevancia fiscal</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>The PDF could not be written: %1</source>
        <translation>No se pudo escribir el PDF: %1</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
    <message>
        <source>%1  •  Printed %2</source>
        <translation>%1  •  Impreso el %2</translation>
    </message>
    <message>
        <source>The newest %1 of %2 rows.</source>
        <translation>Las %1 filas más recientes de %2.</translation>
    </message>
    <message>
        <source>a page could not be added</source>
        <translation>no se pudo añadir una página</translation>
    </message>
</context>
<context>
    <name>ReportRowsWindow</name>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Reading the transactions…</source>
        <translation>Leyendo las transacciones…</translation>
    </message>
    <message>
        <source>The newest %1 of %2 transactions</source>
        <translation>Las %1 transacciones más recientes de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n transacción</numerusform>
            <numerusform>%n transacciones</numerusform>
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
        <translation>Haga doble clic para ver las transacciones</translation>
    </message>
    <message>
        <source>Double-click to open the transaction</source>
        <translation>Haga doble clic para abrir la transacción</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Report table</source>
        <translation>Tabla del informe</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Exportar PDF…</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>C&amp;ategoría:</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Any payee</source>
        <translation>Cualquier beneficiario</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Beneficiario:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Making the report…</source>
        <translation>Generando el informe…</translation>
    </message>
    <message>
        <source>Showing the newest %1 of %2 rows; Export CSV writes them all.</source>
        <translation>Se muestran las %1 filas más recientes de %2; Exportar CSV las escribe todas.</translation>
    </message>
    <message>
        <source>Nothing in this period.</source>
        <translation>No hay nada en este período.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>Escribiendo %1…</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportado a %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Showing the newest %1 rows; counting the rest…</source>
        <translation>Se muestran las %1 filas más recientes; contando el resto…</translation>
    </message>
</context>
<context>
    <name>SafetyCopies</name>
    <message>
        <source>There is no safety copy named %1.</source>
        <translation>No hay ninguna copia de protección llamada %1.</translation>
    </message>
    <message>
        <source>The copy %1 cannot be opened (%2).</source>
        <translation>No se puede abrir la copia %1 (%2).</translation>
    </message>
    <message>
        <source>The copy %1 is damaged (%2).</source>
        <translation>La copia %1 está dañada (%2).</translation>
    </message>
    <message>
        <source>A safety copy of the store could not be made (%1).</source>
        <translation>No se pudo hacer una copia de protección de la base de datos (%1).</translation>
    </message>
    <message>
        <source>The store cannot be opened (%1).</source>
        <translation>No se puede abrir la base de datos (%1).</translation>
    </message>
    <message>
        <source>The store cannot be written (%1).</source>
        <translation>No se puede escribir en la base de datos (%1).</translation>
    </message>
    <message>
        <source>Another program is writing to the store (%1). Try again when it has finished.</source>
        <translation>Otro programa está escribiendo en la base de datos (%1). Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The copy could not be written into the store (%1).</source>
        <translation>No se pudo escribir la copia en la base de datos (%1).</translation>
    </message>
    <message>
        <source>The copy was restored but could not be brought up to date.</source>
        <translation>La copia se restauró, pero no se pudo actualizar.</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesPanel</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>Antes de importar</translation>
    </message>
    <message>
        <source>Before restore</source>
        <translation>Antes de restaurar</translation>
    </message>
    <message>
        <source>Before exact restore</source>
        <translation>Antes de restauración exacta</translation>
    </message>
    <message>
        <source>Before copy restore</source>
        <translation>Antes de restaurar una copia</translation>
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
        <translation>Aún no hay copias de protección.</translation>
    </message>
    <message>
        <source>Restore This Copy</source>
        <translation>Restaurar esta copia</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Safety Copies</source>
        <translation>Copias de protección</translation>
    </message>
    <message>
        <source>A copy of your data is kept before every import and restore, and once a day. The newest %1 and the last %2 daily copies stay.</source>
        <translation>Se guarda una copia de sus datos antes de cada importación y restauración, y una vez al día. Se conservan las %1 más recientes y las últimas %2 copias diarias.</translation>
    </message>
    <message>
        <source>Safety copies</source>
        <translation>Copias de protección</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Replace all of your data with the selected copy, after one more safety copy.</source>
        <translation>Reemplaza todos sus datos con la copia seleccionada, tras hacer otra copia de protección.</translation>
    </message>
    <message>
        <source>Show the folder the safety copies are kept in.</source>
        <translation>Muestra la carpeta donde se guardan las copias de protección.</translation>
    </message>
    <message>
        <source>Replace all of your data with the copy made %1?

Your data as it is now is kept as one more safety copy first, so this can be undone.</source>
        <translation>¿Reemplazar todos sus datos con la copia creada el %1?

Antes, sus datos actuales se guardan en otra copia de protección, así que esto se puede deshacer.</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Error al restaurar</translation>
    </message>
    <message>
        <source>Copy Restored</source>
        <translation>Copia restaurada</translation>
    </message>
    <message>
        <source>Your data is now the copy made %1.

Your data as it was is kept as:
%2</source>
        <translation>Sus datos son ahora los de la copia creada el %1.

Sus datos anteriores se guardan como:
%2</translation>
    </message>
    <message>
        <source>The folder could not be opened:
%1</source>
        <translation>No se pudo abrir la carpeta:
%1</translation>
    </message>
</context>
<context>
    <name>SampleData</name>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>The sample data could not be written; nothing was changed.</source>
        <translation>No se pudieron escribir los datos de ejemplo; no se cambió nada.</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Account: %1</source>
        <translation>Cuenta: %1</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, n.º de cheque...</translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Texto de búsqueda</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensadas</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados de búsqueda</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>Showing the %1 newest matches. Narrow the search to find older ones.</source>
        <translation>Se muestran las %1 coincidencias más recientes. Acote la búsqueda para encontrar otras más antiguas.</translation>
    </message>
    <message>
        <source>No transactions found.</source>
        <translation>No se encontraron transacciones.</translation>
    </message>
    <message>
        <source>Transactions found: %1</source>
        <translation>Transacciones encontradas: %1</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Preference pages</source>
        <translation>Páginas de preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Larkspire Quillet looks.</source>
        <translation>Controle el aspecto de Larkspire Quillet.</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>&amp;Font size</source>
        <translation>Tamaño de &amp;fuente</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>&amp;Week starts on</source>
        <translation>La &amp;semana empieza el</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Larkspire Quillet.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Larkspire Quillet.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Mostrar la nota en una segunda línea bajo el beneficiario.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que haya eliminado.</translation>
    </message>
    <message>
        <source>Deleted accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Larkspire Quillet</source>
        <translation>Larkspire Quillet</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts. Your data lives in one file on this device and works fully offline.</source>
        <translation>Un registro de cheques rápido, pensado para el teclado, para las cuentas de su hogar. Sus datos se guardan en un único archivo en este dispositivo y funcionan totalmente sin conexión.</translation>
    </message>
    <message>
        <source>Larkspire Quillet uses the Qt framework, licensed under the GNU Lesser General Public License version 3 (LGPL v3). Icons: Material Icons, Apache License 2.0.</source>
        <translation>Larkspire Quillet usa el framework Qt, con licencia GNU Lesser General Public License versión 3 (LGPL v3). Iconos: Material Icons, Apache License 2.0.</translation>
    </message>
    <message>
        <source>%1  —  deleted %2</source>
        <translation>%1  —  eliminada el %2</translation>
    </message>
    <message>
        <source>Restore Account</source>
        <translation>Restaurar cuenta</translation>
    </message>
    <message>
        <source>The account could not be restored. Please try again.</source>
        <translation>No se pudo restaurar la cuenta. Inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>ShareAccountDialog</name>
    <message>
        <source>Share &quot;%1&quot;</source>
        <translation>Compartir &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Lector</translation>
    </message>
    <message>
        <source>People who share this account</source>
        <translation>Personas que comparten esta cuenta</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Stop sharing this account with the selected person</source>
        <translation>Dejar de compartir esta cuenta con la persona seleccionada</translation>
    </message>
    <message>
        <source>Share &amp;with:</source>
        <translation>Compartir &amp;con:</translation>
    </message>
    <message>
        <source>Family group member</source>
        <translation>Miembro del grupo familiar</translation>
    </message>
    <message>
        <source>&amp;as</source>
        <translation>co&amp;mo</translation>
    </message>
    <message>
        <source>A viewer sees the account; an editor can also enter and change its transactions.</source>
        <translation>Un lector ve la cuenta; un editor también puede introducir y modificar sus transacciones.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be shared right now.</source>
        <translation>&quot;%1&quot; no se puede compartir en este momento.</translation>
    </message>
    <message>
        <source>Share &quot;%1&quot; with members of your family group.</source>
        <translation>Compartir &quot;%1&quot; con miembros de su grupo familiar.</translation>
    </message>
    <message>
        <source>Asking the service who shares it...</source>
        <translation>Consultando al servicio quién la comparte...</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you. You can view it and enter transactions in it.</source>
        <translation>%1 comparte &quot;%2&quot; con usted. Puede consultarla e introducir transacciones en ella.</translation>
    </message>
    <message>
        <source>%1 shares &quot;%2&quot; with you to view.</source>
        <translation>%1 comparte &quot;%2&quot; con usted para consulta.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite your household from your Larkspire account&apos;s family page first.</source>
        <translation>Aún no hay nadie más en su grupo familiar. Invite primero a su hogar desde la página de familia de su cuenta de Larkspire.</translation>
    </message>
    <message>
        <source>Make &amp;Viewer</source>
        <translation>Hacer &amp;lector</translation>
    </message>
    <message>
        <source>Make &amp;Editor</source>
        <translation>Hacer &amp;editor</translation>
    </message>
    <message>
        <source>Change what the selected person may do in this account</source>
        <translation>Cambiar lo que la persona seleccionada puede hacer en esta cuenta</translation>
    </message>
    <message>
        <source>Stop Sharing</source>
        <translation>Dejar de compartir</translation>
    </message>
    <message>
        <source>Stop sharing &quot;%1&quot; with %2?

The account and its transactions leave their computers at their next sync.</source>
        <translation>¿Dejar de compartir &quot;%1&quot; con %2?

La cuenta y sus transacciones se quitarán de sus equipos en su próxima sincronización.</translation>
    </message>
</context>
<context>
    <name>SignInClient</name>
    <message>
        <source>could not listen for the browser&apos;s answer</source>
        <translation>no se pudo esperar la respuesta del navegador</translation>
    </message>
    <message>
        <source>the browser did not come back within 5 minutes</source>
        <translation>el navegador no respondió en 5 minutos</translation>
    </message>
    <message>
        <source>no web browser could be opened</source>
        <translation>no se pudo abrir ningún navegador web</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>the answer did not belong to this sign-in</source>
        <translation>la respuesta no correspondía a este inicio de sesión</translation>
    </message>
    <message>
        <source>the answer carried no sign-in code</source>
        <translation>la respuesta no contenía ningún código de inicio de sesión</translation>
    </message>
    <message>
        <source>the service sent no tokens</source>
        <translation>el servicio no envió ningún token</translation>
    </message>
    <message>
        <source>the sign-in could not be kept on this computer</source>
        <translation>no se pudo guardar el inicio de sesión en este equipo</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Remaining: %1</source>
        <translation>Restante: %1</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not %2. Adjust the total to %1?</source>
        <translation>Las líneas de división suman %1, no %2. ¿Ajustar el total a %1?</translation>
    </message>
    <message>
        <source>&amp;Adjust</source>
        <translation>&amp;Ajustar</translation>
    </message>
    <message>
        <source>&amp;Go Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas de división</translation>
    </message>
    <message>
        <source>+ Add Line</source>
        <translation>+ Añadir línea</translation>
    </message>
    <message>
        <source>- Remove</source>
        <translation>- Quitar</translation>
    </message>
    <message>
        <source>Category, line %1</source>
        <translation>Categoría, línea %1</translation>
    </message>
    <message>
        <source>Amount, line %1</source>
        <translation>Importe, línea %1</translation>
    </message>
    <message>
        <source>Memo, line %1</source>
        <translation>Nota, línea %1</translation>
    </message>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Line %1 has an amount but no category. Choose a category for every split line with an amount, or set its amount to 0.</source>
        <translation>La línea %1 tiene importe pero no categoría. Elija una categoría para cada línea de división con importe o ponga su importe a 0.</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Recurring transactions due</source>
        <translation>Transacciones recurrentes vencidas</translation>
    </message>
    <message>
        <source>Sync status</source>
        <translation>Estado de sincronización</translation>
    </message>
    <message>
        <source>Sync in progress</source>
        <translation>Sincronización en curso</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente vencida</numerusform>
            <numerusform>  •  %n recurrentes vencidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StoreFailure</name>
    <message>
        <source>The data file is in use by another program. Wait a moment and try again.</source>
        <translation>Otro programa está usando el archivo de datos. Espere un momento e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The data file cannot be written to (it is read-only).</source>
        <translation>No se puede escribir en el archivo de datos (es de solo lectura).</translation>
    </message>
    <message>
        <source>The disk could not be written to.</source>
        <translation>No se pudo escribir en el disco.</translation>
    </message>
    <message>
        <source>The data file is damaged.</source>
        <translation>El archivo de datos está dañado.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The change could not be saved.</source>
        <translation>No se pudo guardar el cambio.</translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir (HTTP %1)</translation>
    </message>
    <message>
        <source>Could not save the pulled changes</source>
        <translation>No se pudieron guardar los cambios recibidos</translation>
    </message>
</context>
<context>
    <name>SyncPanel</name>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your quillet in sync across all your devices.</source>
        <translation>Mantenga su registro sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Send this device&apos;s changes and fetch the others&apos; now.</source>
        <translation>Envíe ahora los cambios de este dispositivo y reciba los de los demás.</translation>
    </message>
    <message>
        <source>Upload every row again and download everything from the server.</source>
        <translation>Vuelve a subir todas las filas y descarga todo desde el servidor.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Larkspire Account to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta de Larkspire para activar la sincronización.</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Úselo si los datos no parecen coincidir entre dispositivos.

¿Desea continuar?</translation>
    </message>
</context>
<context>
    <name>TablePages</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>TransactionDetailsDialog</name>
    <message>
        <source>Transaction Details</source>
        <translation>Detalles de la transacción</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>- %1</source>
        <translation>- %1</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Transfer to:</source>
        <translation>Transferencia a:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Entered: %1</source>
        <translation>Creada: %1</translation>
    </message>
    <message>
        <source>Last modified: %1</source>
        <translation>Última modificación: %1</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Mark Uncleared</source>
        <translation>Marcar no compensada</translation>
    </message>
    <message>
        <source>Mark Cleared</source>
        <translation>Marcar compensada</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>Split lines</source>
        <translation>Líneas de división</translation>
    </message>
    <message>
        <source>(no split lines on record)</source>
        <translation>(no hay líneas de división registradas)</translation>
    </message>
    <message>
        <source>(uncategorized)</source>
        <translation>(sin categoría)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Reconciled</source>
        <translation>Conciliada</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensada</translation>
    </message>
    <message>
        <source>The cleared mark could not be saved.</source>
        <translation>No se pudo guardar la marca de compensada.</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia &quot;%1&quot; por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar &quot;%1&quot; por %2?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>The transaction could not be deleted.</source>
        <translation>No se pudo eliminar la transacción.</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Split...</source>
        <translation>Dividir...</translation>
    </message>
    <message>
        <source>Split this transaction across multiple categories with their own amounts and memos.</source>
        <translation>Divide esta transacción entre varias categorías, cada una con su importe y su nota.</translation>
    </message>
    <message>
        <source>Use single category</source>
        <translation>Usar una sola categoría</translation>
    </message>
    <message>
        <source>Drop the split and return to a single-category transaction.</source>
        <translation>Descarta la división y vuelve a una transacción con una sola categoría.</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>—Split—</source>
        <translation>—Dividida—</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>UpdateChecks</name>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>You&apos;re up to date</source>
        <translation>Ya está actualizado</translation>
    </message>
    <message>
        <source>%1 %2 is the newest version.</source>
        <translation>%1 %2 es la versión más reciente.</translation>
    </message>
    <message>
        <source>Could not check for updates: %1</source>
        <translation>No se pudieron buscar actualizaciones: %1</translation>
    </message>
</context>
<context>
    <name>UpdateWindow</name>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>A new version of %1 is available</source>
        <translation>Hay una nueva versión de %1 disponible</translation>
    </message>
    <message>
        <source>%1 %2 is out; you have %3.</source>
        <translation>%1 %2 ya está disponible; usted tiene la %3.</translation>
    </message>
    <message>
        <source>Released %1</source>
        <translation>Publicada el %1</translation>
    </message>
    <message>
        <source>Release &amp;notes</source>
        <translation>&amp;Notas de la versión</translation>
    </message>
    <message>
        <source>Release notes</source>
        <translation>Notas de la versión</translation>
    </message>
    <message>
        <source>The notes for this version are on the web.</source>
        <translation>Las notas de esta versión están en la web.</translation>
    </message>
    <message>
        <source>No release notes came with this version.</source>
        <translation>Esta versión no incluye notas.</translation>
    </message>
    <message>
        <source>Read the release notes on the web</source>
        <translation>Leer las notas de la versión en la web</translation>
    </message>
    <message>
        <source>Download: %1 (%2)</source>
        <translation>Descarga: %1 (%2)</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>&amp;Skip This Version</source>
        <translation>&amp;Omitir esta versión</translation>
    </message>
    <message>
        <source>&amp;Remind Me Later</source>
        <translation>&amp;Recordármelo más tarde</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Descargar</translation>
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
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorros, tarjeta de crédito o cualquier otra que quiera controlar).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Anote las transacciones a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>Welcome to
Larkspire Quillet</source>
        <translation>Le damos la bienvenida a
Larkspire Quillet</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Hola de nuevo</translation>
    </message>
    <message>
        <source>A fast, keyboard-first check register for your household accounts.</source>
        <translation>Un registro de cheques rápido, pensado para el teclado, para las cuentas de su hogar.</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona totalmente sin conexión. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha finalizado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Cree su primera cuenta</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
</context>
<context>
    <name>WhatsNewWindow</name>
    <message>
        <source>What&apos;s New in %1</source>
        <translation>Novedades de %1</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new</source>
        <translation>Novedades</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>QIF or CSV files to import.</source>
        <translation>Archivos QIF o CSV para importar.</translation>
    </message>
</context>
</TS>
