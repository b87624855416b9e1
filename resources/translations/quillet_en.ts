<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>BackupPanel</name>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n error occurred.</numerusform><numerusform>

%n errors occurred.</numerusform></translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message numerus="yes">
        <source>; and %n more</source>
        <translation>
            <numerusform>; and %n more</numerusform><numerusform>; and %n more</numerusform></translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform><numerusform>%n transactions imported</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform><numerusform>%n transfers linked across accounts</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform><numerusform>%n duplicates skipped</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform><numerusform>%n records skipped (unparseable)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform><numerusform>%n metadata records skipped</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform><numerusform>%n records skipped (unmapped source account)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (database error — see log)</source>
        <translation>
            <numerusform>%n record skipped (database error — see log)</numerusform><numerusform>%n records skipped (database error — see log)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (the lines do not add up to the amount)</source>
        <translation>
            <numerusform>%n split transaction skipped (the lines do not add up to the amount)</numerusform><numerusform>%n split transactions skipped (the lines do not add up to the amount)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) skipped (more than 1,000 lines)</source>
        <translation>
            <numerusform>%n split transaction skipped (more than 1,000 lines)</numerusform><numerusform>%n split transactions skipped (more than 1,000 lines)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n text(s) longer than 4,000 characters cut short</source>
        <translation>
            <numerusform>%n text longer than 4,000 characters cut short</numerusform><numerusform>%n texts longer than 4,000 characters cut short</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) skipped (investment accounts cannot be imported from OFX)</source>
        <translation>
            <numerusform>%n investment statement skipped (investment accounts cannot be imported from OFX)</numerusform><numerusform>%n investment statements skipped (investment accounts cannot be imported from OFX)</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) skipped (in a currency the app does not keep)</source>
        <translation>
            <numerusform>%n statement skipped (in a currency the app does not keep)</numerusform><numerusform>%n statements skipped (in a currency the app does not keep)</numerusform></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform><numerusform>Auto-posted %n recurring transactions</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Synced; %n change(s) not accepted</source>
        <translation>
            <numerusform>Synced; %n change not accepted</numerusform><numerusform>Synced; %n changes not accepted</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n change(s) to an account shared with you were not accepted: you may only view it. They stay on this computer.</source>
        <translation>
            <numerusform>%n change to an account shared with you were not accepted: you may only view it. They stay on this computer.</numerusform><numerusform>%n changes to an account shared with you were not accepted: you may only view it. They stay on this computer.</numerusform></translation>
    </message>
</context>
<context>
    <name>OfxMappingPanel</name>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n transaction found.</numerusform><numerusform>%n transactions found.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n record cannot be read and will be skipped.</numerusform><numerusform>%n records cannot be read and will be skipped.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n investment statement(s) cannot be imported and will be skipped.</source>
        <translation>
            <numerusform>%n investment statement cannot be imported and will be skipped.</numerusform><numerusform>%n investment statements cannot be imported and will be skipped.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n statement(s) in a currency the app does not keep will be skipped.</source>
        <translation>
            <numerusform>%n statement in a currency the app does not keep will be skipped.</numerusform><numerusform>%n statements in a currency the app does not keep will be skipped.</numerusform></translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform><numerusform>Renamed %n transactions.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform><numerusform>Merged %n transactions.</numerusform></translation>
    </message>
</context>
<context>
    <name>QifMappingPanel</name>
    <message numerus="yes">
        <source>%n transaction(s) found.</source>
        <translation>
            <numerusform>%n transaction found.</numerusform><numerusform>%n transactions found.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) cannot be read and will be skipped.</source>
        <translation>
            <numerusform>%n record cannot be read and will be skipped.</numerusform><numerusform>%n records cannot be read and will be skipped.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) will be skipped: their lines do not add up to the amount, or there are more than 1,000.</source>
        <translation>
            <numerusform>%n split transaction will be skipped: their lines do not add up to the amount, or there are more than 1,000.</numerusform><numerusform>%n split transactions will be skipped: their lines do not add up to the amount, or there are more than 1,000.</numerusform></translation>
    </message>
</context>
<context>
    <name>ReportRowsWindow</name>
    <message numerus="yes">
        <source>%n transaction(s)</source>
        <translation>
            <numerusform>%n transaction</numerusform><numerusform>%n transactions</numerusform></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n account</numerusform><numerusform>%n accounts</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurring due</numerusform><numerusform>  •  %n recurring due</numerusform></translation>
    </message>
</context>
</TS>