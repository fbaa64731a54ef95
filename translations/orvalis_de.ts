<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Too many histogram bins">
        <source></source>
        <translation>Zu viele Histogrammklassen</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Keine</translation>
    </message>
    <message id="Warning">
        <source></source>
        <translation>Warnung</translation>
    </message>
    <message id="MaxMin">
        <source></source>
        <translation>MaxMin</translation>
    </message>
    <message id="Limits">
        <source></source>
        <translation>Grenzwerte</translation>
    </message>
    <message id="Threshold">
        <source></source>
        <translation>Schwellenwert</translation>
    </message>
    <message id="File">
        <source></source>
        <translation>Datei</translation>
    </message>
    <message id="Batch ID">
        <source></source>
        <translation>Messreihen-ID</translation>
    </message>
    <message id="Batch Type">
        <source></source>
        <translation>Messreihentyp</translation>
    </message>
    <message id="Batch Format">
        <source></source>
        <translation>Messreihenformat</translation>
    </message>
    <message id="Columns">
        <source></source>
        <translation>Spalten</translation>
    </message>
    <message id="Rows">
        <source></source>
        <translation>Zeilen</translation>
    </message>
    <message id="Slot">
        <source></source>
        <translation>Speicherplatz</translation>
    </message>
    <message id="Creation Date">
        <source></source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message id="Update Date">
        <source></source>
        <translation>Änderungsdatum</translation>
    </message>
    <message id="Site">
        <source></source>
        <translation>Baustelle</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Standort</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>Bereich</translation>
    </message>
    <message id="Engineer">
        <source></source>
        <translation>Ingenieur</translation>
    </message>
    <message id="Customer">
        <source></source>
        <translation>Auftraggeber</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Notiz</translation>
    </message>
    <message id="Grid">
        <source></source>
        <translation>Raster</translation>
    </message>
    <message id="High Limit">
        <source></source>
        <translation>Oberer Grenzwert</translation>
    </message>
    <message id="applied">
        <source></source>
        <translation>angewendet</translation>
    </message>
    <message id="not applied">
        <source></source>
        <translation>nicht angewendet</translation>
    </message>
    <message id="Low Limit">
        <source></source>
        <translation>Unterer Grenzwert</translation>
    </message>
    <message id="Probe">
        <source></source>
        <translation>Sonde</translation>
    </message>
    <message id="Gauge Serial Number">
        <source></source>
        <translation>Seriennummer des Messgeräts</translation>
    </message>
    <message id="Bar Series">
        <source></source>
        <translation>Stabreihe</translation>
    </message>
    <message id="Bar Size">
        <source></source>
        <translation>Stabdurchmesser</translation>
    </message>
    <message id="Bar Grade">
        <source></source>
        <translation>Stahlsorte</translation>
    </message>
    <message id="Cell Type">
        <source></source>
        <translation>Zellentyp</translation>
    </message>
    <message id="Gauge Cell Type">
        <source></source>
        <translation>Zellentyp des Messgeräts</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatur</translation>
    </message>
    <message id="Readings">
        <source></source>
        <translation>Messwerte</translation>
    </message>
    <message id="Valid Readings">
        <source></source>
        <translation>Gültige Messwerte</translation>
    </message>
    <message id="Reading Positions">
        <source></source>
        <translation>Messpositionen</translation>
    </message>
    <message id="Last Reading Position">
        <source></source>
        <translation>Letzte Messposition</translation>
    </message>
    <message id="Mean">
        <source></source>
        <translation>Mittelwert</translation>
    </message>
    <message id="Standard Deviation">
        <source></source>
        <translation>Standardabweichung</translation>
    </message>
    <message id="Max">
        <source></source>
        <translation>Max</translation>
    </message>
    <message id="Min">
        <source></source>
        <translation>Min</translation>
    </message>
    <message id="Range">
        <source></source>
        <translation>Spannweite</translation>
    </message>
    <message id="Below Low Limit">
        <source></source>
        <translation>Unter dem unteren Grenzwert</translation>
    </message>
    <message id="Above High Limit">
        <source></source>
        <translation>Über dem oberen Grenzwert</translation>
    </message>
    <message id="Over Range">
        <source></source>
        <translation>Über dem Messbereich</translation>
    </message>
    <message id="Under Range">
        <source></source>
        <translation>Unter dem Messbereich</translation>
    </message>
    <message id="Folder">
        <source></source>
        <translation>Ordner</translation>
    </message>
    <message id="Batch">
        <source></source>
        <translation>Messreihe</translation>
    </message>
    <message id="Template">
        <source></source>
        <translation>Vorlage</translation>
    </message>
    <message id="Report">
        <source></source>
        <translation>Bericht</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Sonstige</translation>
    </message>
    <message id="Unknown argument &quot;%1&quot;">
        <source></source>
        <translation>Unbekanntes Argument „%1“</translation>
    </message>
    <message id="No folder given">
        <source></source>
        <translation>Kein Ordner angegeben</translation>
    </message>
    <message id="Folder not found: %1">
        <source></source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message id="There are no batches to export">
        <source></source>
        <translation>Es gibt keine Messreihen zum Exportieren</translation>
    </message>
    <message id="%1 (%2)">
        <source></source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="The batch file's %1 holds an invalid item &quot;%2&quot; at position %3">
        <source></source>
        <translation>Das Feld %1 der Messreihendatei enthält an Position %3 einen ungültigen Eintrag „%2“</translation>
    </message>
    <message id="The batch file's %1 holds %2 items where %3 cells are expected">
        <source></source>
        <translation>Das Feld %1 der Messreihendatei enthält %2 Einträge, erwartet werden %3 Zellen</translation>
    </message>
    <message id="The batch file's %1 &quot;%2&quot; is not a valid date and time">
        <source></source>
        <translation>Das Feld %1 „%2“ der Messreihendatei ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message id="The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)">
        <source></source>
        <translation>Die Größe der Messreihendatei von %1 Spalten mal %2 Zeilen ist ungültig (höchstens %3 Zellen)</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>Linear</translation>
    </message>
    <message id="Cover">
        <source></source>
        <translation>Betondeckung</translation>
    </message>
    <message id="Half Cell">
        <source></source>
        <translation>Halbzelle</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Metrisch</translation>
    </message>
    <message id="Imperial">
        <source></source>
        <translation>Zöllig</translation>
    </message>
    <message id="ASTM/Canadian">
        <source></source>
        <translation>ASTM/Kanadisch</translation>
    </message>
    <message id="Japanese">
        <source></source>
        <translation>Japanisch</translation>
    </message>
    <message id="High Tensile">
        <source></source>
        <translation>Hochfest</translation>
    </message>
    <message id="304">
        <source></source>
        <translation>304</translation>
    </message>
    <message id="316">
        <source></source>
        <translation>316</translation>
    </message>
    <message id="DUPLEX">
        <source></source>
        <translation>DUPLEX</translation>
    </message>
    <message id="Invalid Batch Type">
        <source></source>
        <translation>Ungültiger Messreihentyp</translation>
    </message>
    <message id="mm">
        <source></source>
        <translation>mm</translation>
    </message>
    <message id="Cell index out of range">
        <source></source>
        <translation>Zellenindex außerhalb des gültigen Bereichs</translation>
    </message>
    <message id="Cannot assign object to Batch item">
        <source></source>
        <translation>Objekt kann keiner Messreihe zugewiesen werden</translation>
    </message>
    <message id="Invalid batch size %1 x %2: a batch holds at most %3 cells">
        <source></source>
        <translation>Ungültige Messreihengröße %1 x %2: eine Messreihe enthält höchstens %3 Zellen</translation>
    </message>
    <message id="Cell index out of range (%1, %2)">
        <source></source>
        <translation>Zellenindex außerhalb des gültigen Bereichs (%1, %2)</translation>
    </message>
    <message id="Unable to locate bar series name">
        <source></source>
        <translation>Name der Stabreihe nicht gefunden</translation>
    </message>
    <message id="Unknown bar series item">
        <source></source>
        <translation>Unbekannter Eintrag der Stabreihe</translation>
    </message>
    <message id="Invalid batch type - must be half-cell">
        <source></source>
        <translation>Ungültiger Messreihentyp – muss Halbzelle sein</translation>
    </message>
    <message id="Unable to convert data to cell type">
        <source></source>
        <translation>Daten können nicht in den Zellentyp umgewandelt werden</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Ja</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Nein</translation>
    </message>
    <message id="The batch is too large for a summary of %1 columns by %2 rows">
        <source></source>
        <translation>Die Messreihe ist zu groß für eine Übersicht von %1 Spalten mal %2 Zeilen</translation>
    </message>
    <message id="File Path">
        <source></source>
        <translation>Dateipfad</translation>
    </message>
    <message id="High Limit Applied">
        <source></source>
        <translation>Oberer Grenzwert angewendet</translation>
    </message>
    <message id="Low Limit Applied">
        <source></source>
        <translation>Unterer Grenzwert angewendet</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Einheit</translation>
    </message>
    <message id="List index out of bounds (%1)">
        <source></source>
        <translation>Listenindex außerhalb der Grenzen (%1)</translation>
    </message>
    <message id="Invalid argument to date encode">
        <source></source>
        <translation>Ungültiges Argument für die Datumsumwandlung</translation>
    </message>
    <message id="'%1' is not a valid date and time">
        <source></source>
        <translation>&apos;%1&apos; ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message id="The folder already contains a file named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing file?">
        <source></source>
        <translation>Der Ordner enthält bereits eine Datei mit dem Namen &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message id="Cell (%1, %2) lies outside the worksheet">
        <source></source>
        <translation>Zelle (%1, %2) liegt außerhalb des Tabellenblatts</translation>
    </message>
    <message id="The workbook stream ends inside a record header">
        <source></source>
        <translation>Der Arbeitsmappen-Datenstrom endet innerhalb eines Datensatzkopfs</translation>
    </message>
    <message id="The workbook stream ends inside a record of type 0x%1">
        <source></source>
        <translation>Der Arbeitsmappen-Datenstrom endet innerhalb eines Datensatzes vom Typ 0x%1</translation>
    </message>
    <message id="The workbook has no sheet %1">
        <source></source>
        <translation>Die Arbeitsmappe hat kein Tabellenblatt %1</translation>
    </message>
    <message id="The workbook's sheet stream has no end">
        <source></source>
        <translation>Der Datenstrom des Tabellenblatts hat kein Ende</translation>
    </message>
    <message id="The workbook's sheet %1 has no place for cells">
        <source></source>
        <translation>Das Tabellenblatt %1 der Arbeitsmappe bietet keinen Platz für Zellen</translation>
    </message>
    <message id="A workbook record of type 0x%1 is too long">
        <source></source>
        <translation>Ein Arbeitsmappen-Datensatz vom Typ 0x%1 ist zu lang</translation>
    </message>
    <message id="Cannot assign object to File item">
        <source></source>
        <translation>Objekt kann keinem Dateieintrag zugewiesen werden</translation>
    </message>
    <message id="Cannot save file that is not loaded">
        <source></source>
        <translation>Eine nicht geladene Datei kann nicht gespeichert werden</translation>
    </message>
    <message id="Invalid file name in folder cache">
        <source></source>
        <translation>Ungültiger Dateiname im Ordnerzwischenspeicher</translation>
    </message>
    <message id="Copy of file and folders canceled">
        <source></source>
        <translation>Kopieren von Datei und Ordnern abgebrochen</translation>
    </message>
    <message id="The folder already contains a folder named '%1'&#13;&#10;&#13;&#10;If the files in the existing folder have the same name as the files in the&#13;&#10;folder you are moving or copying, they will be replaced.  Do you still&#13;&#10;want to move or copy the folder?">
        <source></source>
        <translation>Der Ordner enthält bereits einen Ordner mit dem Namen &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Wenn Dateien im vorhandenen Ordner denselben Namen haben wie Dateien im<byte value="xd"/>
Ordner, den Sie verschieben oder kopieren, werden sie ersetzt.  Möchten Sie<byte value="xd"/>
den Ordner trotzdem verschieben oder kopieren?</translation>
    </message>
    <message id="Destination same as source folder">
        <source></source>
        <translation>Ziel ist gleich dem Quellordner</translation>
    </message>
    <message id="Unable to create directories">
        <source></source>
        <translation>Verzeichnisse können nicht erstellt werden</translation>
    </message>
    <message id="Cannot read from the source file or disk">
        <source></source>
        <translation>Von der Quelldatei oder dem Datenträger kann nicht gelesen werden</translation>
    </message>
    <message id="Unable to delete file %1">
        <source></source>
        <translation>Datei %1 kann nicht gelöscht werden</translation>
    </message>
    <message id="Unable to move file %1">
        <source></source>
        <translation>Datei %1 kann nicht verschoben werden</translation>
    </message>
    <message id="Unable to delete directory %1">
        <source></source>
        <translation>Verzeichnis %1 kann nicht gelöscht werden</translation>
    </message>
    <message id="Copy of %1">
        <source></source>
        <translation>Kopie von %1</translation>
    </message>
    <message id="Copy (%1) of %2">
        <source></source>
        <translation>Kopie (%1) von %2</translation>
    </message>
    <message id="Unable to copy, too many &quot;Copy of&quot; files">
        <source></source>
        <translation>Kopieren nicht möglich, zu viele „Kopie von“-Dateien</translation>
    </message>
    <message id="Unable to create file/folder, too many default named items.">
        <source></source>
        <translation>Datei/Ordner kann nicht erstellt werden, zu viele Einträge mit Standardnamen.</translation>
    </message>
    <message id="Can not get locale info">
        <source></source>
        <translation>Gebietsschema-Informationen nicht verfügbar</translation>
    </message>
    <message id="Unable to assign object to TSettingsItem">
        <source></source>
        <translation>Objekt kann TSettingsItem nicht zugewiesen werden</translation>
    </message>
    <message id="Unable to assign object to TSettings">
        <source></source>
        <translation>Objekt kann TSettings nicht zugewiesen werden</translation>
    </message>
    <message id="My DozazEdivo Data">
        <source></source>
        <translation>My DozazEdivo Data</translation>
    </message>
    <message id="Unable to store the storage directory in the configuration file">
        <source></source>
        <translation>Das Datenverzeichnis kann nicht in der Konfigurationsdatei gespeichert werden</translation>
    </message>
    <message id="Cannot assign object to Template item">
        <source></source>
        <translation>Objekt kann keiner Vorlage zugewiesen werden</translation>
    </message>
    <message id="Cannot create file &quot;%1&quot;. %2">
        <source></source>
        <translation>Datei „%1“ kann nicht erstellt werden. %2</translation>
    </message>
    <message id="Cannot write file &quot;%1&quot;. %2">
        <source></source>
        <translation>Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message id="Cannot open file &quot;%1&quot;. %2">
        <source></source>
        <translation>Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message id="Invalid cover unit type">
        <source></source>
        <translation>Ungültige Einheit für die Betondeckung</translation>
    </message>
    <message id="Invalid temperature unit type">
        <source></source>
        <translation>Ungültige Temperatureinheit</translation>
    </message>
    <message id="Custom">
        <source></source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Standard</translation>
    </message>
    <message id="A2">
        <source></source>
        <translation>A2</translation>
    </message>
    <message id="A3">
        <source></source>
        <translation>A3</translation>
    </message>
    <message id="A4">
        <source></source>
        <translation>A4</translation>
    </message>
    <message id="A5">
        <source></source>
        <translation>A5</translation>
    </message>
    <message id="Executive">
        <source></source>
        <translation>Executive</translation>
    </message>
    <message id="Legal">
        <source></source>
        <translation>Legal</translation>
    </message>
    <message id="Letter">
        <source></source>
        <translation>Letter</translation>
    </message>
    <message id="Tabloid">
        <source></source>
        <translation>Tabloid</translation>
    </message>
    <message id="in">
        <source></source>
        <translation>in</translation>
    </message>
    <message id="ft">
        <source></source>
        <translation>ft</translation>
    </message>
    <message id="m">
        <source></source>
        <translation>m</translation>
    </message>
    <message id="mV">
        <source></source>
        <translation>mV</translation>
    </message>
    <message id="°F">
        <source></source>
        <translation>°F</translation>
    </message>
    <message id="°C">
        <source></source>
        <translation>°C</translation>
    </message>
    <message id="Invalid histogram bin size">
        <source></source>
        <translation>Ungültige Klassenbreite des Histogramms</translation>
    </message>
    <message id="Communications Error: (%1)">
        <source></source>
        <translation>Kommunikationsfehler: (%1)</translation>
    </message>
    <message id="Read data timeout">
        <source></source>
        <translation>Zeitüberschreitung beim Lesen der Daten</translation>
    </message>
    <message id="Basic model not supported.">
        <source></source>
        <translation>Das Basismodell wird nicht unterstützt.</translation>
    </message>
    <message id="Unexpected error">
        <source></source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message id="Polling on Port %1">
        <source></source>
        <translation>Abfrage an Anschluss %1</translation>
    </message>
    <message id="Polling on %1">
        <source></source>
        <translation>Abfrage an %1</translation>
    </message>
    <message id="Retrieving Batch List...">
        <source></source>
        <translation>Messreihenliste wird abgerufen...</translation>
    </message>
    <message id="Retrieving Batch Headers...">
        <source></source>
        <translation>Messreihenköpfe werden abgerufen...</translation>
    </message>
    <message id="Retrieving Batch Readings...">
        <source></source>
        <translation>Messwerte der Messreihen werden abgerufen...</translation>
    </message>
    <message id="Writing Templates...">
        <source></source>
        <translation>Vorlagen werden geschrieben...</translation>
    </message>
    <message id="Unable to handle existing batch">
        <source></source>
        <translation>Vorhandene Messreihe kann nicht verarbeitet werden</translation>
    </message>
    <message id="Deleting Batches...">
        <source></source>
        <translation>Messreihen werden gelöscht...</translation>
    </message>
    <message id="Invalid port number %1">
        <source></source>
        <translation>Ungültige Anschlussnummer %1</translation>
    </message>
    <message id="Unable to store the serial port table in the configuration file">
        <source></source>
        <translation>Die Tabelle der seriellen Anschlüsse kann nicht in der Konfigurationsdatei gespeichert werden</translation>
    </message>
    <message id="Pseudo-terminal">
        <source></source>
        <translation>Pseudoterminal</translation>
    </message>
    <message id="Communications Error: (Port not open)">
        <source></source>
        <translation>Kommunikationsfehler: (Anschluss nicht geöffnet)</translation>
    </message>
    <message id="Communications Error">
        <source></source>
        <translation>Kommunikationsfehler</translation>
    </message>
    <message id="Permission denied on %1: add your user to the dialout group and log in again.">
        <source></source>
        <translation>Zugriff auf %1 verweigert: fügen Sie Ihren Benutzer der Gruppe dialout hinzu und melden Sie sich erneut an.</translation>
    </message>
    <message id="Write data failed">
        <source></source>
        <translation>Schreiben der Daten fehlgeschlagen</translation>
    </message>
    <message id="Unable to set baud rate">
        <source></source>
        <translation>Baudrate kann nicht eingestellt werden</translation>
    </message>
    <message id="Read Packet timeout">
        <source></source>
        <translation>Zeitüberschreitung beim Lesen eines Pakets</translation>
    </message>
    <message id="No response to command">
        <source></source>
        <translation>Keine Antwort auf den Befehl</translation>
    </message>
    <message id="Invalid response to command">
        <source></source>
        <translation>Ungültige Antwort auf den Befehl</translation>
    </message>
    <message id="Must support command">
        <source></source>
        <translation>Befehl muss unterstützt werden</translation>
    </message>
    <message id="Communications Error: ('%1' is not a valid hexadecimal value)">
        <source></source>
        <translation>Kommunikationsfehler: (&apos;%1&apos; ist kein gültiger Hexadezimalwert)</translation>
    </message>
    <message id="Unknown Batch Type">
        <source></source>
        <translation>Unbekannter Messreihentyp</translation>
    </message>
    <message id="Unknown Batch Format">
        <source></source>
        <translation>Unbekanntes Messreihenformat</translation>
    </message>
    <message id="Unknown Batch Series">
        <source></source>
        <translation>Unbekannte Stabreihe</translation>
    </message>
    <message id="Unexpected packet type">
        <source></source>
        <translation>Unerwarteter Pakettyp</translation>
    </message>
    <message id="Data item out of expected batch dimensions">
        <source></source>
        <translation>Datenelement außerhalb der erwarteten Messreihengröße</translation>
    </message>
    <message id="Unknown Bar Grade">
        <source></source>
        <translation>Unbekannte Stahlsorte</translation>
    </message>
    <message id="Invalid Batch Format">
        <source></source>
        <translation>Ungültiges Messreihenformat</translation>
    </message>
    <message id="Gauge memory full">
        <source></source>
        <translation>Speicher des Messgeräts voll</translation>
    </message>
    <message id="Batch already exists">
        <source></source>
        <translation>Messreihe ist bereits vorhanden</translation>
    </message>
    <message id="Top Left">
        <source></source>
        <translation>Oben links</translation>
    </message>
    <message id="Top Middle">
        <source></source>
        <translation>Oben Mitte</translation>
    </message>
    <message id="Top Right">
        <source></source>
        <translation>Oben rechts</translation>
    </message>
    <message id="Middle Left">
        <source></source>
        <translation>Mitte links</translation>
    </message>
    <message id="Middle Middle">
        <source></source>
        <translation>Mitte</translation>
    </message>
    <message id="Middle Right">
        <source></source>
        <translation>Mitte rechts</translation>
    </message>
    <message id="Bottom Left">
        <source></source>
        <translation>Unten links</translation>
    </message>
    <message id="Bottom Middle">
        <source></source>
        <translation>Unten Mitte</translation>
    </message>
    <message id="Bottom Right">
        <source></source>
        <translation>Unten rechts</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Links</translation>
    </message>
    <message id="Top">
        <source></source>
        <translation>Oben</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Rechts</translation>
    </message>
    <message id="Bottom">
        <source></source>
        <translation>Unten</translation>
    </message>
    <message id="Cover Batch">
        <source></source>
        <translation>Betondeckungs-Messreihe</translation>
    </message>
    <message id="Half Cell Batch">
        <source></source>
        <translation>Halbzellen-Messreihe</translation>
    </message>
    <message id="Item name already in use.">
        <source></source>
        <translation>Der Elementname wird bereits verwendet.</translation>
    </message>
    <message id="Cannot assign object to Page item">
        <source></source>
        <translation>Objekt kann keinem Seitenelement zugewiesen werden</translation>
    </message>
    <message id="Opening Page">
        <source></source>
        <translation>Eröffnungsseite</translation>
    </message>
    <message id="Inner Page">
        <source></source>
        <translation>Innenseite</translation>
    </message>
    <message id="Closing Page">
        <source></source>
        <translation>Schlussseite</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Hochformat</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Querformat</translation>
    </message>
    <message id="Invalid Page Orientation">
        <source></source>
        <translation>Ungültige Seitenausrichtung</translation>
    </message>
    <message id="Class %1 not found">
        <source></source>
        <translation>Klasse %1 nicht gefunden</translation>
    </message>
    <message id="Cannot assign object to Page object">
        <source></source>
        <translation>Objekt kann keinem Seitenobjekt zugewiesen werden</translation>
    </message>
    <message id="Too many items, please rename some.">
        <source></source>
        <translation>Zu viele Elemente, bitte benennen Sie einige um.</translation>
    </message>
    <message id="C:\Documents and Settings\ExampleUser\My Documents\My DozazEdivo Data\">
        <source></source>
        <translation>C:\Dokumente und Einstellungen\Beispielbenutzer\Eigene Dateien\My DozazEdivo Data\</translation>
    </message>
    <message id="CellColour">
        <source></source>
        <translation>Zellenfarbe</translation>
    </message>
    <message id="WarningLimitCover">
        <source></source>
        <translation>Warngrenze Betondeckung</translation>
    </message>
    <message id="Report Value">
        <source></source>
        <translation>Berichtswert</translation>
    </message>
    <message id="Every Cell">
        <source></source>
        <translation>Jede Zelle</translation>
    </message>
    <message id="GradientMethod">
        <source></source>
        <translation>Farbverlaufsmethode</translation>
    </message>
    <message id="LineColour">
        <source></source>
        <translation>Linienfarbe</translation>
    </message>
    <message id="Line">
        <source></source>
        <translation>Linie</translation>
    </message>
    <message id="Bar">
        <source></source>
        <translation>Balken</translation>
    </message>
    <message id="BatchID">
        <source></source>
        <translation>Messreihen-ID</translation>
    </message>
    <message id="FilePath">
        <source></source>
        <translation>Dateipfad</translation>
    </message>
    <message id="TodaysDate">
        <source></source>
        <translation>Heutiges Datum</translation>
    </message>
    <message id="CreateDate">
        <source></source>
        <translation>Erstellungsdatum</translation>
    </message>
    <message id="UpdateDate">
        <source></source>
        <translation>Änderungsdatum</translation>
    </message>
    <message id="BatchFormat">
        <source></source>
        <translation>Messreihenformat</translation>
    </message>
    <message id="HighLimit">
        <source></source>
        <translation>Oberer Grenzwert</translation>
    </message>
    <message id="LowLimit">
        <source></source>
        <translation>Unterer Grenzwert</translation>
    </message>
    <message id="GridSpacing">
        <source></source>
        <translation>Rasterabstand</translation>
    </message>
    <message id="BarSeries">
        <source></source>
        <translation>Stabreihe</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Stabdurchmesser</translation>
    </message>
    <message id="MeanAverage">
        <source></source>
        <translation>Mittelwert</translation>
    </message>
    <message id="StandardDeviation">
        <source></source>
        <translation>Standardabweichung</translation>
    </message>
    <message id="BelowLowLimit">
        <source></source>
        <translation>Unter dem unteren Grenzwert</translation>
    </message>
    <message id="AboveHighLimit">
        <source></source>
        <translation>Über dem oberen Grenzwert</translation>
    </message>
    <message id="PerBelowLowLimit">
        <source></source>
        <translation>Prozent unter dem unteren Grenzwert</translation>
    </message>
    <message id="PerAboveHighLimit">
        <source></source>
        <translation>Prozent über dem oberen Grenzwert</translation>
    </message>
    <message id="PageNumber">
        <source></source>
        <translation>Seitenzahl</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Einheiten</translation>
    </message>
    <message id="OverRange">
        <source></source>
        <translation>Über dem Messbereich</translation>
    </message>
    <message id="UnderRange">
        <source></source>
        <translation>Unter dem Messbereich</translation>
    </message>
    <message id="PerOverRange">
        <source></source>
        <translation>Prozent über dem Messbereich</translation>
    </message>
    <message id="PerUnderRange">
        <source></source>
        <translation>Prozent unter dem Messbereich</translation>
    </message>
    <message id="CellType">
        <source></source>
        <translation>Zellentyp</translation>
    </message>
    <message id="BarGrade">
        <source></source>
        <translation>Stahlsorte</translation>
    </message>
    <message id="Todays Date">
        <source></source>
        <translation>Heutiges Datum</translation>
    </message>
    <message id="Create Date">
        <source></source>
        <translation>Erstellt am</translation>
    </message>
    <message id="Grid Spacing">
        <source></source>
        <translation>Rasterabstand</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Mittelwert</translation>
    </message>
    <message id="Std. Dev.">
        <source></source>
        <translation>Std.-Abw.</translation>
    </message>
    <message id="n &lt; Limit">
        <source></source>
        <translation>n &lt; Grenzwert</translation>
    </message>
    <message id="n &gt; Limit">
        <source></source>
        <translation>n &gt; Grenzwert</translation>
    </message>
    <message id="% &lt; Limit">
        <source></source>
        <translation>% &lt; Grenzwert</translation>
    </message>
    <message id="% &gt; Limit">
        <source></source>
        <translation>% &gt; Grenzwert</translation>
    </message>
    <message id="Page No.">
        <source></source>
        <translation>Seite Nr.</translation>
    </message>
    <message id="n &gt;&gt;">
        <source></source>
        <translation>n &gt;&gt;</translation>
    </message>
    <message id="n &lt;&lt;">
        <source></source>
        <translation>n &lt;&lt;</translation>
    </message>
    <message id="% &gt;&gt;">
        <source></source>
        <translation>% &gt;&gt;</translation>
    </message>
    <message id="% &lt;&lt;">
        <source></source>
        <translation>% &lt;&lt;</translation>
    </message>
    <message id="FontColour">
        <source></source>
        <translation>Schriftfarbe</translation>
    </message>
    <message id="Data values only available on inner pages">
        <source></source>
        <translation>Datenwerte sind nur auf Innenseiten verfügbar</translation>
    </message>
    <message id="-">
        <source></source>
        <translation>-</translation>
    </message>
    <message id="Rectangle">
        <source></source>
        <translation>Rechteck</translation>
    </message>
    <message id="Horizontal Line">
        <source></source>
        <translation>Horizontale Linie</translation>
    </message>
    <message id="Vertical Line">
        <source></source>
        <translation>Vertikale Linie</translation>
    </message>
    <message id="True">
        <source></source>
        <translation>Wahr</translation>
    </message>
    <message id="False">
        <source></source>
        <translation>Falsch</translation>
    </message>
    <message id="Bitmaps">
        <source></source>
        <translation>Bitmaps</translation>
    </message>
    <message id="Unable to compress picture">
        <source></source>
        <translation>Bild kann nicht komprimiert werden</translation>
    </message>
    <message id="Unable to load picture file %1">
        <source></source>
        <translation>Bilddatei %1 kann nicht geladen werden</translation>
    </message>
    <message id="Cannot assign object to VentraxGraphic">
        <source></source>
        <translation>Objekt kann VentraxGraphic nicht zugewiesen werden</translation>
    </message>
    <message id="(None)">
        <source></source>
        <translation>(Keine)</translation>
    </message>
    <message id="(Graphic)">
        <source></source>
        <translation>(Grafik)</translation>
    </message>
    <message id="Invalid property value">
        <source></source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message id="Invalid boolean value '%1'">
        <source></source>
        <translation>Ungültiger boolescher Wert &apos;%1&apos;</translation>
    </message>
    <message id="Invalid brush style '%1'">
        <source></source>
        <translation>Ungültiger Pinselstil &apos;%1&apos;</translation>
    </message>
    <message id="Invalid pen style '%1'">
        <source></source>
        <translation>Ungültiger Stiftstil &apos;%1&apos;</translation>
    </message>
    <message id="Cannot copy value to property.">
        <source></source>
        <translation>Der Wert kann nicht in die Eigenschaft kopiert werden.</translation>
    </message>
    <message id="Property does not exist">
        <source></source>
        <translation>Eigenschaft ist nicht vorhanden</translation>
    </message>
    <message id="Expecting property list">
        <source></source>
        <translation>Eigenschaftsliste erwartet</translation>
    </message>
    <message id="Page does not exist">
        <source></source>
        <translation>Seite ist nicht vorhanden</translation>
    </message>
    <message id="Unable to start the print job">
        <source></source>
        <translation>Der Druckauftrag kann nicht gestartet werden</translation>
    </message>
    <message id="Unable to start a new page">
        <source></source>
        <translation>Eine neue Seite kann nicht begonnen werden</translation>
    </message>
    <message id="Unable to write the PDF document information">
        <source></source>
        <translation>Die PDF-Dokumentinformationen können nicht geschrieben werden</translation>
    </message>
    <message id="Unable to write the PDF file %1">
        <source></source>
        <translation>Die PDF-Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message id="Unable to write the picture %1: %2">
        <source></source>
        <translation>Das Bild %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message id="Enlarge">
        <source></source>
        <translation>Vergrößern</translation>
    </message>
    <message id="Show or hide the folder list">
        <source></source>
        <translation>Ordnerliste ein- oder ausblenden</translation>
    </message>
    <message id="Header">
        <source></source>
        <translation>Kopfdaten</translation>
    </message>
    <message id="Measurements">
        <source></source>
        <translation>Messwerte</translation>
    </message>
    <message id="Unable to modify multiple batch items.">
        <source></source>
        <translation>Mehrere Messreihen können nicht gleichzeitig geändert werden.</translation>
    </message>
    <message id="Unable to save the batch file %1">
        <source></source>
        <translation>Die Messreihendatei %1 kann nicht gespeichert werden</translation>
    </message>
    <message id="Applied">
        <source></source>
        <translation>Angewendet</translation>
    </message>
    <message id="File Location:">
        <source></source>
        <translation>Speicherort:</translation>
    </message>
    <message id="Batch ID:">
        <source></source>
        <translation>Messreihen-ID:</translation>
    </message>
    <message id="Readings:">
        <source></source>
        <translation>Messwerte:</translation>
    </message>
    <message id="Date Created:">
        <source></source>
        <translation>Erstellt am:</translation>
    </message>
    <message id="Date Updated:">
        <source></source>
        <translation>Geändert am:</translation>
    </message>
    <message id="Batch Format:">
        <source></source>
        <translation>Messreihenformat:</translation>
    </message>
    <message id="Columns:">
        <source></source>
        <translation>Spalten:</translation>
    </message>
    <message id="Rows:">
        <source></source>
        <translation>Zeilen:</translation>
    </message>
    <message id="Gauge High Limit:">
        <source></source>
        <translation>Oberer Grenzwert des Messgeräts:</translation>
    </message>
    <message id="Gauge Low Limit:">
        <source></source>
        <translation>Unterer Grenzwert des Messgeräts:</translation>
    </message>
    <message id="Bar Series:">
        <source></source>
        <translation>Stabreihe:</translation>
    </message>
    <message id="Bar Size:">
        <source></source>
        <translation>Stabdurchmesser:</translation>
    </message>
    <message id="Bar Grade:">
        <source></source>
        <translation>Stahlsorte:</translation>
    </message>
    <message id="Cell Type:">
        <source></source>
        <translation>Zellentyp:</translation>
    </message>
    <message id="Site:">
        <source></source>
        <translation>Baustelle:</translation>
    </message>
    <message id="Location:">
        <source></source>
        <translation>Standort:</translation>
    </message>
    <message id="Area:">
        <source></source>
        <translation>Bereich:</translation>
    </message>
    <message id="Engineer:">
        <source></source>
        <translation>Ingenieur:</translation>
    </message>
    <message id="Customer:">
        <source></source>
        <translation>Auftraggeber:</translation>
    </message>
    <message id="Note:">
        <source></source>
        <translation>Notiz:</translation>
    </message>
    <message id="Grid Spacing (%1):">
        <source></source>
        <translation>Rasterabstand (%1):</translation>
    </message>
    <message id="High Limit (%1):">
        <source></source>
        <translation>Oberer Grenzwert (%1):</translation>
    </message>
    <message id="Low Limit (%1):">
        <source></source>
        <translation>Unterer Grenzwert (%1):</translation>
    </message>
    <message id="Temperature (%1):">
        <source></source>
        <translation>Temperatur (%1):</translation>
    </message>
    <message id="Enter valid high limit value (%1-%2)">
        <source></source>
        <translation>Geben Sie einen gültigen oberen Grenzwert ein (%1-%2)</translation>
    </message>
    <message id="Enter valid low limit value (%1-%2)">
        <source></source>
        <translation>Geben Sie einen gültigen unteren Grenzwert ein (%1-%2)</translation>
    </message>
    <message id="Enter valid column value (%1-%2)">
        <source></source>
        <translation>Geben Sie eine gültige Spaltenzahl ein (%1-%2)</translation>
    </message>
    <message id="Enter valid row value (%1-%2)">
        <source></source>
        <translation>Geben Sie eine gültige Zeilenzahl ein (%1-%2)</translation>
    </message>
    <message id="Enter valid grid size (%1 to %2)">
        <source></source>
        <translation>Geben Sie einen gültigen Rasterabstand ein (%1 bis %2)</translation>
    </message>
    <message id="'%1' is not a valid floating point value">
        <source></source>
        <translation>&apos;%1&apos; ist keine gültige Gleitkommazahl</translation>
    </message>
    <message id="Enter valid temperature (%1%2 to %3%4)">
        <source></source>
        <translation>Geben Sie eine gültige Temperatur ein (%1%2 bis %3%4)</translation>
    </message>
    <message id="Data outside new batch size will be lost. Continue?">
        <source></source>
        <translation>Daten außerhalb der neuen Messreihengröße gehen verloren. Fortfahren?</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Typ</translation>
    </message>
    <message id="Format">
        <source></source>
        <translation>Format</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Herunterladen</translation>
    </message>
    <message id="Upload">
        <source></source>
        <translation>Hochladen</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Löschen</translation>
    </message>
    <message id="The gauge already contains a batch named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing batch?">
        <source></source>
        <translation>Das Messgerät enthält bereits eine Messreihe mit dem Namen &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Möchten Sie die vorhandene Messreihe ersetzen?</translation>
    </message>
    <message id="Please Wait...">
        <source></source>
        <translation>Bitte warten...</translation>
    </message>
    <message id="Are you sure you want to delete '%1'?">
        <source></source>
        <translation>Möchten Sie &apos;%1&apos; wirklich löschen?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 batches?">
        <source></source>
        <translation>Möchten Sie diese %1 Messreihen wirklich löschen?</translation>
    </message>
    <message id="New Folder">
        <source></source>
        <translation>Neuer Ordner</translation>
    </message>
    <message id="Select Data Folder">
        <source></source>
        <translation>Datenordner auswählen</translation>
    </message>
    <message id="Data">
        <source></source>
        <translation>Daten</translation>
    </message>
    <message id="A folder with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ein Ordner mit dem angegebenen Namen ist bereits vorhanden. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Neu</translation>
    </message>
    <message id="Version : %1">
        <source></source>
        <translation>Version : %1</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>Info</translation>
    </message>
    <message id="Modified">
        <source></source>
        <translation>Geändert</translation>
    </message>
    <message id="Are you sure you want to remove the folder named '%1' and all its contents?">
        <source></source>
        <translation>Möchten Sie den Ordner &apos;%1&apos; und seinen gesamten Inhalt wirklich entfernen?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 items?">
        <source></source>
        <translation>Möchten Sie diese %1 Elemente wirklich löschen?</translation>
    </message>
    <message id="Cannot rename unknown file type.">
        <source></source>
        <translation>Ein unbekannter Dateityp kann nicht umbenannt werden.</translation>
    </message>
    <message id="A file with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Eine Datei mit dem angegebenen Namen ist bereits vorhanden. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Hilfe</translation>
    </message>
    <message id="Folder List">
        <source></source>
        <translation>Ordnerliste</translation>
    </message>
    <message id="Ventrax K27">
        <source></source>
        <translation>Ventrax K27</translation>
    </message>
    <message id="Templates">
        <source></source>
        <translation>Vorlagen</translation>
    </message>
    <message id="Reports">
        <source></source>
        <translation>Berichte</translation>
    </message>
    <message id="Local">
        <source></source>
        <translation>Lokal</translation>
    </message>
    <message id="Rename">
        <source></source>
        <translation>Umbenennen</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Ausschneiden</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Kopieren</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Einfügen</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Alles auswählen</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Zurück</translation>
    </message>
    <message id="Grid Batch">
        <source></source>
        <translation>Raster-Messreihe</translation>
    </message>
    <message id="Linear Batch">
        <source></source>
        <translation>Lineare Messreihe</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportieren</translation>
    </message>
    <message id="Change Storage Directory">
        <source></source>
        <translation>Datenverzeichnis ändern</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Einstellungen</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>Beenden</translation>
    </message>
    <message id="Orvalis Help">
        <source></source>
        <translation>Orvalis-Hilfe</translation>
    </message>
    <message id="New Batch">
        <source></source>
        <translation>Neue Messreihe</translation>
    </message>
    <message id="Would you like to replace the existing file?">
        <source></source>
        <translation>Möchten Sie die vorhandene Datei ersetzen?</translation>
    </message>
    <message id="Select the directory in which to store application data">
        <source></source>
        <translation>Wählen Sie das Verzeichnis, in dem die Programmdaten gespeichert werden</translation>
    </message>
    <message id="Unable to open the help file %1">
        <source></source>
        <translation>Die Hilfedatei %1 kann nicht geöffnet werden</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Abbrechen</translation>
    </message>
    <message id="Specify the measurement units to be used when displaying cover depth, and grid dimensions.">
        <source></source>
        <translation>Legen Sie die Maßeinheiten für die Anzeige der Betondeckung und der Rastermaße fest.</translation>
    </message>
    <message id="mm &amp; metres">
        <source></source>
        <translation>mm &amp; Meter</translation>
    </message>
    <message id="inches &amp; feet">
        <source></source>
        <translation>Zoll &amp; Fuß</translation>
    </message>
    <message id="Specify the measurement units to used when displaying temperature.">
        <source></source>
        <translation>Legen Sie die Maßeinheit für die Anzeige der Temperatur fest.</translation>
    </message>
    <message id="Email Report Format">
        <source></source>
        <translation>Format für Berichte per E-Mail</translation>
    </message>
    <message id="Specify the method in which a report will be emailed.">
        <source></source>
        <translation>Legen Sie fest, in welcher Form ein Bericht per E-Mail versendet wird.</translation>
    </message>
    <message id="PDF Document">
        <source></source>
        <translation>PDF-Dokument</translation>
    </message>
    <message id="JPEG Images">
        <source></source>
        <translation>JPEG-Bilder</translation>
    </message>
    <message id="Gradient Threshold">
        <source></source>
        <translation>Schwellenwert des Farbverlaufs</translation>
    </message>
    <message id="Enter the threshold value to use for overview charts using a threshold gradient">
        <source></source>
        <translation>Geben Sie den Schwellenwert für Übersichtsdiagramme mit Schwellenwert-Farbverlauf ein</translation>
    </message>
    <message id="Report Page Thumbnail Quality">
        <source></source>
        <translation>Qualität der Seitenvorschaubilder von Berichten</translation>
    </message>
    <message id="Specify the quality of the report page thumbnails.">
        <source></source>
        <translation>Legen Sie die Qualität der Vorschaubilder der Berichtsseiten fest.</translation>
    </message>
    <message id="High Quality">
        <source></source>
        <translation>Hohe Qualität</translation>
    </message>
    <message id="Normal Quality">
        <source></source>
        <translation>Normale Qualität</translation>
    </message>
    <message id="No Thumbnail">
        <source></source>
        <translation>Kein Vorschaubild</translation>
    </message>
    <message id="Communications Port">
        <source></source>
        <translation>Kommunikationsanschluss</translation>
    </message>
    <message id="Specify the communications port the Ventrax K27 Instrument is connected to.">
        <source></source>
        <translation>Legen Sie den Kommunikationsanschluss fest, an den das Messgerät Ventrax K27 angeschlossen ist.</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Allgemein</translation>
    </message>
    <message id="Interface">
        <source></source>
        <translation>Schnittstelle</translation>
    </message>
    <message id="No Gauge">
        <source></source>
        <translation>Kein Messgerät</translation>
    </message>
    <message id="Cover (%1):">
        <source></source>
        <translation>Betondeckung (%1):</translation>
    </message>
    <message id="Half-Cell (%1):">
        <source></source>
        <translation>Halbzelle (%1):</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Öffnen</translation>
    </message>
    <message id="Name: %1">
        <source></source>
        <translation>Name: %1</translation>
    </message>
    <message id="Type: %1">
        <source></source>
        <translation>Typ: %1</translation>
    </message>
    <message id="Size: %1">
        <source></source>
        <translation>Größe: %1</translation>
    </message>
    <message id="Modified: %1">
        <source></source>
        <translation>Geändert: %1</translation>
    </message>
    <message id="Location: %1">
        <source></source>
        <translation>Standort: %1</translation>
    </message>
    <message id="Cannot open clipboard">
        <source></source>
        <translation>Die Zwischenablage kann nicht geöffnet werden</translation>
    </message>
    <message id="Celsius (°C)">
        <source></source>
        <translation>Celsius (°C)</translation>
    </message>
    <message id="Fahrenheit (°F)">
        <source></source>
        <translation>Fahrenheit (°F)</translation>
    </message>
    <message id="%1 of %2">
        <source></source>
        <translation>%1 von %2</translation>
    </message>
    <message id="Unknown unit system %1: 0 is metric, 1 imperial">
        <source></source>
        <translation>Unbekanntes Einheitensystem %1: 0 ist metrisch, 1 imperial</translation>
    </message>
    <message id="Cannot delete file &quot;%1&quot;. %2">
        <source></source>
        <translation>Die Datei „%1“ kann nicht gelöscht werden. %2</translation>
    </message>
    <message id="Cumulative %">
        <source></source>
        <translation>Kumuliert %</translation>
    </message>
    <message id="more positive than %1, corrosion unlikely">
        <source></source>
        <translation>positiver als %1, Korrosion unwahrscheinlich</translation>
    </message>
    <message id="%1 to %2">
        <source></source>
        <translation>%1 bis %2</translation>
    </message>
    <message id="more negative than %1, corrosion likely">
        <source></source>
        <translation>negativer als %1, Korrosion wahrscheinlich</translation>
    </message>
    <message id="Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing.">
        <source></source>
        <translation>Messwerte vor der Einstufung um -81 mV von AG/AGCL auf CU/CUSO4 umgerechnet.</translation>
    </message>
    <message id="5 % Quantile">
        <source></source>
        <translation>5-%-Quantil</translation>
    </message>
    <message id="10 % Quantile">
        <source></source>
        <translation>10-%-Quantil</translation>
    </message>
    <message id="Normal 5 % Value">
        <source></source>
        <translation>5-%-Wert der Normalverteilung</translation>
    </message>
    <message id="no low limit applied">
        <source></source>
        <translation>kein unterer Grenzwert angewendet</translation>
    </message>
    <message id="at least %1 needed">
        <source></source>
        <translation>mindestens %1 erforderlich</translation>
    </message>
    <message id="5 % Quantile Meets Low Limit">
        <source></source>
        <translation>5-%-Quantil erreicht den unteren Grenzwert</translation>
    </message>
    <message id="Excel Workbook (*.xlsx)">
        <source></source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message id="Excel XLS (*.xls)">
        <source></source>
        <translation>Excel XLS (*.xls)</translation>
    </message>
    <message id="Excel XML (*.xml)">
        <source></source>
        <translation>Excel XML (*.xml)</translation>
    </message>
    <message id="CSV, one file per batch (*.csv)">
        <source></source>
        <translation>CSV, eine Datei je Messreihe (*.csv)</translation>
    </message>
    <message id="All Files (*)">
        <source></source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message id="The file could not be opened">
        <source></source>
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message id="Invalid worksheet name &quot;%1&quot;">
        <source></source>
        <translation>Ungültiger Tabellenblattname „%1“</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Niedrig</translation>
    </message>
    <message id="Intermediate">
        <source></source>
        <translation>Mittel</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Hoch</translation>
    </message>
    <message id="Invalid batch type - must be cover">
        <source></source>
        <translation>Ungültiger Messreihentyp – muss Betondeckung sein</translation>
    </message>
    <message id="Not enough readings">
        <source></source>
        <translation>Nicht genügend Messwerte</translation>
    </message>
    <message id="The surveys are not of the same batch type">
        <source></source>
        <translation>Die Messungen haben nicht denselben Messreihentyp</translation>
    </message>
    <message id="The surveys do not have the same grid (%1 x %2 and %3 x %4)">
        <source></source>
        <translation>Die Messungen haben nicht dasselbe Raster (%1 x %2 und %3 x %4)</translation>
    </message>
    <message id="It is not a file.">
        <source></source>
        <translation>Es ist keine Datei.</translation>
    </message>
    <message id="Invalid display format">
        <source></source>
        <translation>Ungültiges Anzeigeformat</translation>
    </message>
    <message id="Report does not exist">
        <source></source>
        <translation>Bericht existiert nicht</translation>
    </message>
    <message id="PointColour">
        <source></source>
        <translation>Punktfarbe</translation>
    </message>
    <message id="CorrosionLow">
        <source></source>
        <translation>KorrosionNiedrig</translation>
    </message>
    <message id="CorrosionIntermediate">
        <source></source>
        <translation>KorrosionMittel</translation>
    </message>
    <message id="CorrosionHigh">
        <source></source>
        <translation>KorrosionHoch</translation>
    </message>
    <message id="PerCorrosionLow">
        <source></source>
        <translation>ProzentKorrosionNiedrig</translation>
    </message>
    <message id="PerCorrosionIntermediate">
        <source></source>
        <translation>ProzentKorrosionMittel</translation>
    </message>
    <message id="PerCorrosionHigh">
        <source></source>
        <translation>ProzentKorrosionHoch</translation>
    </message>
    <message id="Quantile5">
        <source></source>
        <translation>Quantil5</translation>
    </message>
    <message id="Quantile10">
        <source></source>
        <translation>Quantil10</translation>
    </message>
    <message id="NormalQuantile5">
        <source></source>
        <translation>NormalQuantil5</translation>
    </message>
    <message id="Quantile5MeetsLowLimit">
        <source></source>
        <translation>Quantil5ErreichtUntergrenze</translation>
    </message>
    <message id="n Low">
        <source></source>
        <translation>n Niedrig</translation>
    </message>
    <message id="n Intermediate">
        <source></source>
        <translation>n Mittel</translation>
    </message>
    <message id="n High">
        <source></source>
        <translation>n Hoch</translation>
    </message>
    <message id="% Low">
        <source></source>
        <translation>% Niedrig</translation>
    </message>
    <message id="% Intermediate">
        <source></source>
        <translation>% Mittel</translation>
    </message>
    <message id="% High">
        <source></source>
        <translation>% Hoch</translation>
    </message>
    <message id="Normal 5 %">
        <source></source>
        <translation>Normal 5 %</translation>
    </message>
    <message id="5 % Check">
        <source></source>
        <translation>5-%-Prüfung</translation>
    </message>
    <message id="There is no default printer to print on">
        <source></source>
        <translation>Es ist kein Standarddrucker vorhanden</translation>
    </message>
    <message id="Unable to print the report">
        <source></source>
        <translation>Der Bericht kann nicht gedruckt werden</translation>
    </message>
    <message id="Anchor">
        <source></source>
        <translation>Verankerung</translation>
    </message>
    <message id="Text Editor">
        <source></source>
        <translation>Texteditor</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Auswählen</translation>
    </message>
    <message id="Shape">
        <source></source>
        <translation>Form</translation>
    </message>
    <message id="Memo">
        <source></source>
        <translation>Textfeld</translation>
    </message>
    <message id="Graphic">
        <source></source>
        <translation>Grafik</translation>
    </message>
    <message id="Overview">
        <source></source>
        <translation>Übersicht</translation>
    </message>
    <message id="Histogram">
        <source></source>
        <translation>Histogramm</translation>
    </message>
    <message id="Run">
        <source></source>
        <translation>Verlauf</translation>
    </message>
    <message id="Combined Overview">
        <source></source>
        <translation>Kombinierte Übersicht</translation>
    </message>
    <message id="Page Width">
        <source></source>
        <translation>Seitenbreite</translation>
    </message>
    <message id="Full Page">
        <source></source>
        <translation>Ganze Seite</translation>
    </message>
    <message id="500%">
        <source></source>
        <translation>500%</translation>
    </message>
    <message id="200%">
        <source></source>
        <translation>200%</translation>
    </message>
    <message id="150%">
        <source></source>
        <translation>150%</translation>
    </message>
    <message id="100%">
        <source></source>
        <translation>100%</translation>
    </message>
    <message id="75%">
        <source></source>
        <translation>75%</translation>
    </message>
    <message id="50%">
        <source></source>
        <translation>50%</translation>
    </message>
    <message id="25%">
        <source></source>
        <translation>25%</translation>
    </message>
    <message id="10%">
        <source></source>
        <translation>10%</translation>
    </message>
    <message id="Page Design">
        <source></source>
        <translation>Seitenentwurf</translation>
    </message>
    <message id="Zoom:">
        <source></source>
        <translation>Zoom:</translation>
    </message>
    <message id="Halfcell">
        <source></source>
        <translation>Halbzelle</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Are you sure you want to delete these %1 page items?">
        <source></source>
        <translation>Möchten Sie diese %1 Seitenelemente wirklich löschen?</translation>
    </message>
    <message id="Are you sure you wish to switch all the page items that support %1 to %2">
        <source></source>
        <translation>Möchten Sie wirklich alle Seitenelemente, die %1 unterstützen, auf %2 umstellen</translation>
    </message>
    <message id="Are you sure you wish to save the changes to the page design?">
        <source></source>
        <translation>Möchten Sie die Änderungen am Seitenentwurf wirklich speichern?</translation>
    </message>
    <message id="Are you sure you wish to abandon the changes to the page design?">
        <source></source>
        <translation>Möchten Sie die Änderungen am Seitenentwurf wirklich verwerfen?</translation>
    </message>
    <message id="Save changes to this page?">
        <source></source>
        <translation>Änderungen an dieser Seite speichern?</translation>
    </message>
    <message id="All Graphics (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;Metafiles (*.svg);;All Files (*)">
        <source></source>
        <translation>Alle Grafiken (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;Metadateien (*.svg);;Alle Dateien (*)</translation>
    </message>
    <message id="Property Editor">
        <source></source>
        <translation>Eigenschafteneditor</translation>
    </message>
    <message id="Select Picture">
        <source></source>
        <translation>Bild auswählen</translation>
    </message>
    <message id="Cannot open '%1': there is no such file.">
        <source></source>
        <translation>„%1“ kann nicht geöffnet werden: Die Datei existiert nicht.</translation>
    </message>
    <message id="Cannot open '%1': it is not a batch, template or report file.">
        <source></source>
        <translation>„%1“ kann nicht geöffnet werden: Es ist keine Messreihen-, Vorlagen- oder Berichtsdatei.</translation>
    </message>
    <message id="'%1' is not in the storage folder.&#13;&#10;Copy it into %2 and open it?">
        <source></source>
        <translation>„%1“ liegt nicht im Datenordner.<byte value="xd"/>
In %2 kopieren und öffnen?</translation>
    </message>
    <message id="Template Batch Wizard">
        <source></source>
        <translation>Assistent für Vorlagen-Messreihen</translation>
    </message>
    <message id="Welcome to the Template Batch Wizard">
        <source></source>
        <translation>Willkommen beim Assistenten für Vorlagen-Messreihen</translation>
    </message>
    <message id="This wizard will allow you to create or modify a template batch.">
        <source></source>
        <translation>Mit diesem Assistenten legen Sie eine Vorlagen-Messreihe an oder ändern sie.</translation>
    </message>
    <message id="Determines the format of the batch data.">
        <source></source>
        <translation>Bestimmt das Format der Messreihendaten.</translation>
    </message>
    <message id="Batch Details">
        <source></source>
        <translation>Messreihendetails</translation>
    </message>
    <message id="Enter batch details">
        <source></source>
        <translation>Geben Sie die Details der Messreihe ein</translation>
    </message>
    <message id="Number of Columns">
        <source></source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message id="Number of Rows">
        <source></source>
        <translation>Anzahl der Zeilen</translation>
    </message>
    <message id="Grid Dimensions">
        <source></source>
        <translation>Rasterabmessungen</translation>
    </message>
    <message id="Specify the dimensions of the grid">
        <source></source>
        <translation>Geben Sie die Abmessungen des Rasters an</translation>
    </message>
    <message id="Determines the highest value that can be measured before a warning is shown">
        <source></source>
        <translation>Bestimmt den höchsten Wert, der gemessen werden kann, bevor eine Warnung erscheint</translation>
    </message>
    <message id="Determines the lowest value that can be measured before a warning is shown">
        <source></source>
        <translation>Bestimmt den niedrigsten Wert, der gemessen werden kann, bevor eine Warnung erscheint</translation>
    </message>
    <message id="Specify the limits to measure to">
        <source></source>
        <translation>Geben Sie die Grenzwerte für die Messung an</translation>
    </message>
    <message id="Completing the Template Batch Wizard">
        <source></source>
        <translation>Fertigstellen des Assistenten für Vorlagen-Messreihen</translation>
    </message>
    <message id="The wizard is complete.&#13;&#10;&#13;&#10;Click Finish to return.">
        <source></source>
        <translation>Der Assistent ist abgeschlossen.<byte value="xd"/>
<byte value="xd"/>
Klicken Sie auf Fertig stellen, um zurückzukehren.</translation>
    </message>
    <message id="Grid Spacing (%1)">
        <source></source>
        <translation>Rasterabstand (%1)</translation>
    </message>
    <message id="Apply High Limit (%1)">
        <source></source>
        <translation>Oberen Grenzwert anwenden (%1)</translation>
    </message>
    <message id="Apply Low Limit (%1)">
        <source></source>
        <translation>Unteren Grenzwert anwenden (%1)</translation>
    </message>
    <message id="Enter valid grid spacing (%1 to %2)">
        <source></source>
        <translation>Geben Sie einen gültigen Rasterabstand ein (%1 bis %2)</translation>
    </message>
    <message id="High limit must be larger than low limit">
        <source></source>
        <translation>Der obere Grenzwert muss größer als der untere sein</translation>
    </message>
    <message id="Uploaded">
        <source></source>
        <translation>Übertragen</translation>
    </message>
    <message id="Grouped">
        <source></source>
        <translation>Gruppiert</translation>
    </message>
    <message id="New Template">
        <source></source>
        <translation>Neue Vorlage</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="Group">
        <source></source>
        <translation>Gruppieren</translation>
    </message>
    <message id="Ungroup">
        <source></source>
        <translation>Gruppierung aufheben</translation>
    </message>
    <message id="A template with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Eine Vorlage mit diesem Namen existiert bereits. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message id="Are you sure you want to delete these %1 templates?">
        <source></source>
        <translation>Möchten Sie diese %1 Vorlagen wirklich löschen?</translation>
    </message>
    <message id="Are you sure you want to delete this template batch?">
        <source></source>
        <translation>Möchten Sie diese Vorlagen-Messreihe wirklich löschen?</translation>
    </message>
    <message id="Are you sure you want to delete the selected batches?">
        <source></source>
        <translation>Möchten Sie die ausgewählten Messreihen wirklich löschen?</translation>
    </message>
    <message id="Upload Template">
        <source></source>
        <translation>Vorlage übertragen</translation>
    </message>
    <message id="Select template(s) to upload to the gauge:">
        <source></source>
        <translation>Wählen Sie die Vorlage(n), die zum Messgerät übertragen werden sollen:</translation>
    </message>
    <message id="Use Batch Order">
        <source></source>
        <translation>Reihenfolge der Messreihen verwenden</translation>
    </message>
    <message id="Use Upload Count">
        <source></source>
        <translation>Übertragungszähler verwenden</translation>
    </message>
    <message id="Upload Wizard">
        <source></source>
        <translation>Übertragungsassistent</translation>
    </message>
    <message id="Welcome to the Upload Wizard">
        <source></source>
        <translation>Willkommen beim Übertragungsassistenten</translation>
    </message>
    <message id="This wizard will allow you to upload template(s) to a gauge.">
        <source></source>
        <translation>Mit diesem Assistenten übertragen Sie Vorlagen zu einem Messgerät.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the order of the batch definitions in the template.">
        <source></source>
        <translation>Die Messreihen-ID wird aus dem Vorlagennamen und der Reihenfolge der Messreihendefinitionen in der Vorlage gebildet.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the total number of times the template has been uploaded.">
        <source></source>
        <translation>Die Messreihen-ID wird aus dem Vorlagennamen und der Anzahl der bisherigen Übertragungen der Vorlage gebildet.</translation>
    </message>
    <message id="Batch IDs">
        <source></source>
        <translation>Messreihen-IDs</translation>
    </message>
    <message id="Specify the batch naming method ">
        <source></source>
        <translation>Geben Sie an, wie die Messreihen benannt werden </translation>
    </message>
    <message id="Enter the default tags that will be copied to all the batches in this template.">
        <source></source>
        <translation>Geben Sie die Standardangaben ein, die in alle Messreihen dieser Vorlage übernommen werden.</translation>
    </message>
    <message id="Default Tags">
        <source></source>
        <translation>Standardangaben</translation>
    </message>
    <message id="Enter the default tags">
        <source></source>
        <translation>Geben Sie die Standardangaben ein</translation>
    </message>
    <message id="Enter the changes in tags from the default for the batches.">
        <source></source>
        <translation>Geben Sie die Abweichungen der Angaben von den Standardangaben für die Messreihen ein.</translation>
    </message>
    <message id="Batch Tags">
        <source></source>
        <translation>Messreihenangaben</translation>
    </message>
    <message id="Enter the tags for specific batches">
        <source></source>
        <translation>Geben Sie die Angaben für einzelne Messreihen ein</translation>
    </message>
    <message id="Completing the Upload Wizard">
        <source></source>
        <translation>Fertigstellen des Übertragungsassistenten</translation>
    </message>
    <message id="Batches">
        <source></source>
        <translation>Messreihen</translation>
    </message>
    <message id="&lt; &amp;Back">
        <source></source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message id="&amp;Next &gt;">
        <source></source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message id="&amp;Finish">
        <source></source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message id="3D">
        <source></source>
        <translation>3D</translation>
    </message>
    <message id="Alignment">
        <source></source>
        <translation>Ausrichtung</translation>
    </message>
    <message id="AspectRatio">
        <source></source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message id="BarColor">
        <source></source>
        <translation>Balkenfarbe</translation>
    </message>
    <message id="BarGap">
        <source></source>
        <translation>Balkenabstand</translation>
    </message>
    <message id="BatchType">
        <source></source>
        <translation>Messreihentyp</translation>
    </message>
    <message id="Bold">
        <source></source>
        <translation>Fett</translation>
    </message>
    <message id="CellFontSize">
        <source></source>
        <translation>Zellenschriftgröße</translation>
    </message>
    <message id="CellText">
        <source></source>
        <translation>Zellentext</translation>
    </message>
    <message id="ChartType">
        <source></source>
        <translation>Diagrammtyp</translation>
    </message>
    <message id="ColorGradiant">
        <source></source>
        <translation>Farbverlauf</translation>
    </message>
    <message id="FillColor">
        <source></source>
        <translation>Füllfarbe</translation>
    </message>
    <message id="FillStyle">
        <source></source>
        <translation>Füllmuster</translation>
    </message>
    <message id="FontName">
        <source></source>
        <translation>Schriftart</translation>
    </message>
    <message id="FontSize">
        <source></source>
        <translation>Schriftgröße</translation>
    </message>
    <message id="GreyScale">
        <source></source>
        <translation>Graustufen</translation>
    </message>
    <message id="GridColumnsPerPage">
        <source></source>
        <translation>Rasterspalten pro Seite</translation>
    </message>
    <message id="GridLineMethod">
        <source></source>
        <translation>Rasterlinienmethode</translation>
    </message>
    <message id="GridLineSpacing">
        <source></source>
        <translation>Rasterlinienabstand</translation>
    </message>
    <message id="GridLines">
        <source></source>
        <translation>Rasterlinien</translation>
    </message>
    <message id="GridRowsPerPage">
        <source></source>
        <translation>Rasterzeilen pro Seite</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Höhe</translation>
    </message>
    <message id="Italic">
        <source></source>
        <translation>Kursiv</translation>
    </message>
    <message id="KeySteps">
        <source></source>
        <translation>Legendenstufen</translation>
    </message>
    <message id="LinearColumnsPerPage">
        <source></source>
        <translation>Linienspalten pro Seite</translation>
    </message>
    <message id="LinearRowsPerPage">
        <source></source>
        <translation>Linienzeilen pro Seite</translation>
    </message>
    <message id="LineStyle">
        <source></source>
        <translation>Linienstil</translation>
    </message>
    <message id="LineWidth">
        <source></source>
        <translation>Linienbreite</translation>
    </message>
    <message id="PageHeight">
        <source></source>
        <translation>Seitenhöhe</translation>
    </message>
    <message id="PageOrientation">
        <source></source>
        <translation>Seitenausrichtung</translation>
    </message>
    <message id="PageType">
        <source></source>
        <translation>Seitentyp</translation>
    </message>
    <message id="PageWidth">
        <source></source>
        <translation>Seitenbreite</translation>
    </message>
    <message id="PaperSize">
        <source></source>
        <translation>Papierformat</translation>
    </message>
    <message id="PrimaryBatchType">
        <source></source>
        <translation>Primärer Messreihentyp</translation>
    </message>
    <message id="ShowLegend">
        <source></source>
        <translation>Legende anzeigen</translation>
    </message>
    <message id="ShowMarkFrame">
        <source></source>
        <translation>Markierungsrahmen anzeigen</translation>
    </message>
    <message id="SquareCells">
        <source></source>
        <translation>Quadratische Zellen</translation>
    </message>
    <message id="Strikeout">
        <source></source>
        <translation>Durchgestrichen</translation>
    </message>
    <message id="Text">
        <source></source>
        <translation>Text</translation>
    </message>
    <message id="Underline">
        <source></source>
        <translation>Unterstrichen</translation>
    </message>
    <message id="WarningLimit">
        <source></source>
        <translation>Warngrenze</translation>
    </message>
    <message id="WarningLimitHalfCell">
        <source></source>
        <translation>Warngrenze Halbzelle</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Breite</translation>
    </message>
    <message id="WordWrap">
        <source></source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Speichern</translation>
    </message>
    <message id="Save and Exit">
        <source></source>
        <translation>Speichern und beenden</translation>
    </message>
    <message id="Abandon and Exit">
        <source></source>
        <translation>Verwerfen und beenden</translation>
    </message>
    <message id="Snap">
        <source></source>
        <translation>Einrasten</translation>
    </message>
    <message id="Bring to Front">
        <source></source>
        <translation>In den Vordergrund</translation>
    </message>
    <message id="Send to Back">
        <source></source>
        <translation>In den Hintergrund</translation>
    </message>
    <message id="Batch readings incomplete">
        <source></source>
        <translation>Messwerte der Messreihe unvollständig</translation>
    </message>
    <message id="Invalid slot number">
        <source></source>
        <translation>Ungültige Speicherplatznummer</translation>
    </message>
    <message id="New Report">
        <source></source>
        <translation>Neuer Bericht</translation>
    </message>
    <message id="New Page">
        <source></source>
        <translation>Neue Seite</translation>
    </message>
    <message id="Move Up">
        <source></source>
        <translation>Nach oben</translation>
    </message>
    <message id="Move Down">
        <source></source>
        <translation>Nach unten</translation>
    </message>
    <message id="My Reports">
        <source></source>
        <translation>Meine Berichte</translation>
    </message>
    <message id="Tab Reports">
        <source></source>
        <translation>Registerberichte</translation>
    </message>
    <message id="Number">
        <source></source>
        <translation>Nummer</translation>
    </message>
    <message id="Page Type">
        <source></source>
        <translation>Seitentyp</translation>
    </message>
    <message id="My Reports &gt; %1">
        <source></source>
        <translation>Meine Berichte &gt; %1</translation>
    </message>
    <message id="Tab Reports &gt; %1">
        <source></source>
        <translation>Registerberichte &gt; %1</translation>
    </message>
    <message id="A report with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ein Bericht mit dem angegebenen Namen ist bereits vorhanden. Geben Sie einen anderen Namen an.</translation>
    </message>
    <message id="The report '%1' no longer exists.">
        <source></source>
        <translation>Der Bericht &apos;%1&apos; existiert nicht mehr.</translation>
    </message>
    <message id="Are you sure you want to delete this report page?">
        <source></source>
        <translation>Möchten Sie diese Berichtsseite wirklich löschen?</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Seite</translation>
    </message>
    <message id="User cancelled request">
        <source></source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message id="General MAPI failure">
        <source></source>
        <translation>Allgemeiner MAPI-Fehler</translation>
    </message>
    <message id="Logon failure">
        <source></source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message id="Disk full">
        <source></source>
        <translation>Datenträger voll</translation>
    </message>
    <message id="Insufficient memory">
        <source></source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message id="Access denied">
        <source></source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message id="Too many sessions">
        <source></source>
        <translation>Zu viele Sitzungen</translation>
    </message>
    <message id="Too many files open">
        <source></source>
        <translation>Zu viele geöffnete Dateien</translation>
    </message>
    <message id="Too many recipients">
        <source></source>
        <translation>Zu viele Empfänger</translation>
    </message>
    <message id="Attachment not found">
        <source></source>
        <translation>Anhang nicht gefunden</translation>
    </message>
    <message id="Failed to open attachment">
        <source></source>
        <translation>Anhang konnte nicht geöffnet werden</translation>
    </message>
    <message id="Failed to write attachment">
        <source></source>
        <translation>Anhang konnte nicht geschrieben werden</translation>
    </message>
    <message id="Unknown recipient">
        <source></source>
        <translation>Unbekannter Empfänger</translation>
    </message>
    <message id="Invalid recipient type">
        <source></source>
        <translation>Ungültiger Empfängertyp</translation>
    </message>
    <message id="No messages">
        <source></source>
        <translation>Keine Nachrichten</translation>
    </message>
    <message id="Invalid message">
        <source></source>
        <translation>Ungültige Nachricht</translation>
    </message>
    <message id="Text too large.">
        <source></source>
        <translation>Text zu groß.</translation>
    </message>
    <message id="Invalid session">
        <source></source>
        <translation>Ungültige Sitzung</translation>
    </message>
    <message id="Type not supported">
        <source></source>
        <translation>Typ nicht unterstützt</translation>
    </message>
    <message id="Ambiguous recipient">
        <source></source>
        <translation>Mehrdeutiger Empfänger</translation>
    </message>
    <message id="Message in use">
        <source></source>
        <translation>Nachricht wird verwendet</translation>
    </message>
    <message id="Network failure">
        <source></source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message id="Invalid edit fields">
        <source></source>
        <translation>Ungültige Bearbeitungsfelder</translation>
    </message>
    <message id="Invalid recipients">
        <source></source>
        <translation>Ungültige Empfänger</translation>
    </message>
    <message id="Not supported">
        <source></source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message id="Unknown Error Code: ">
        <source></source>
        <translation>Unbekannter Fehlercode: </translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Drucken</translation>
    </message>
    <message id="PDF">
        <source></source>
        <translation>PDF</translation>
    </message>
    <message id="Mail">
        <source></source>
        <translation>E-Mail</translation>
    </message>
    <message id="Reports:">
        <source></source>
        <translation>Berichte:</translation>
    </message>
    <message id="Standard Report">
        <source></source>
        <translation>Standardbericht</translation>
    </message>
    <message id="Orvalis Report">
        <source></source>
        <translation>Orvalis-Bericht</translation>
    </message>
    <message id="Save PDF Report As">
        <source></source>
        <translation>PDF-Bericht speichern unter</translation>
    </message>
    <message id="PDF Files (*.pdf);;All Files (*.*)">
        <source></source>
        <translation>PDF-Dateien (*.pdf);;Alle Dateien (*.*)</translation>
    </message>
    <message id="Please find attached a report on the following batches:">
        <source></source>
        <translation>Anbei ein Bericht zu den folgenden Messreihen:</translation>
    </message>
    <message id="MAPI Error %1: %2">
        <source></source>
        <translation>MAPI-Fehler %1: %2</translation>
    </message>
    <message id="Invalid Grid Dimensions">
        <source></source>
        <translation>Ungültige Rasterabmessungen</translation>
    </message>
    <message id="The clipboard holds no report page">
        <source></source>
        <translation>Die Zwischenablage enthält keine Berichtsseite</translation>
    </message>
    <message id="Unable to rename '%1': %2">
        <source></source>
        <translation>&apos;%1&apos; kann nicht umbenannt werden: %2</translation>
    </message>
    <message id="The connection to the gauge has ended. Nothing was uploaded.">
        <source></source>
        <translation>Die Verbindung zum Messgerät ist beendet. Es wurde nichts übertragen.</translation>
    </message>
    <message id="There is no display: no other program could paste a page from this clipboard">
        <source></source>
        <translation>Es gibt keine Anzeige: Kein anderes Programm könnte eine Seite aus dieser Zwischenablage einfügen</translation>
    </message>
    <message id="The file &quot;%1&quot; is larger than any batch file can be (at most %2 MB)">
        <source></source>
        <translation>Die Datei „%1“ ist größer, als eine Messreihendatei sein kann (höchstens %2 MB)</translation>
    </message>
    <message id="The clipboard holds no page items">
        <source></source>
        <translation>Die Zwischenablage enthält keine Seitenelemente</translation>
    </message>
    <message id="AutoCAD DXF, one drawing per batch (*.dxf)">
        <source></source>
        <translation>AutoCAD DXF, eine Zeichnung je Messreihe (*.dxf)</translation>
    </message>
    <message id="&quot;%1&quot; names no export form: use .xlsx, .xls, .xml, .csv or .dxf">
        <source></source>
        <translation>„%1“ bezeichnet kein Exportformat: verwenden Sie .xlsx, .xls, .xml, .csv oder .dxf</translation>
    </message>
    <message id="Contour maps need a grid batch">
        <source></source>
        <translation>Isolinienkarten brauchen eine Raster-Messreihe</translation>
    </message>
    <message id="Batch: %1 (%2)">
        <source></source>
        <translation>Messreihe: %1 (%2)</translation>
    </message>
    <message id="Site: %1">
        <source></source>
        <translation>Baustelle: %1</translation>
    </message>
    <message id="Created: %1, updated: %2">
        <source></source>
        <translation>Erstellt: %1, geändert: %2</translation>
    </message>
    <message id="Units: %1">
        <source></source>
        <translation>Einheiten: %1</translation>
    </message>
    <message id="The drawing is incomplete">
        <source></source>
        <translation>Die Zeichnung ist unvollständig</translation>
    </message>
    <message id="The contour step must be a positive number">
        <source></source>
        <translation>Der Linienabstand muss eine positive Zahl sein</translation>
    </message>
    <message id="The contour step gives more than %1 levels">
        <source></source>
        <translation>Der Linienabstand ergibt mehr als %1 Stufen</translation>
    </message>
    <message id="&quot;%1&quot; is not a contour level">
        <source></source>
        <translation>„%1“ ist keine Linienstufe</translation>
    </message>
    <message id="No contour levels">
        <source></source>
        <translation>Keine Linienstufen</translation>
    </message>
    <message id="Contour levels (%1): %2">
        <source></source>
        <translation>Linienstufen (%1): %2</translation>
    </message>
    <message id="below %1">
        <source></source>
        <translation>unter %1</translation>
    </message>
    <message id="%1 and above">
        <source></source>
        <translation>%1 und darüber</translation>
    </message>
    <message id="Filled">
        <source></source>
        <translation>Gefüllt</translation>
    </message>
    <message id="LabelFontSize">
        <source></source>
        <translation>Beschriftungsgröße</translation>
    </message>
    <message id="Labels">
        <source></source>
        <translation>Beschriftungen</translation>
    </message>
    <message id="Levels">
        <source></source>
        <translation>Stufen</translation>
    </message>
    <message id="StepCover">
        <source></source>
        <translation>Stufenabstand Betondeckung</translation>
    </message>
    <message id="StepHalfCell">
        <source></source>
        <translation>Stufenabstand Halbzelle</translation>
    </message>
    <message id="Contour">
        <source></source>
        <translation>Isolinien</translation>
    </message>
    <message id="The demonstration gauge is not installed.">
        <source></source>
        <translation>Das Vorführgerät ist nicht installiert.</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Keine Antwort</translation>
    </message>
    <message id="The simulator ended at once">
        <source></source>
        <translation>Der Simulator wurde sofort beendet</translation>
    </message>
    <message id="The demonstration gauge could not be started: %1">
        <source></source>
        <translation>Das Vorführgerät konnte nicht gestartet werden: %1</translation>
    </message>
    <message id="Choose Port...">
        <source></source>
        <translation>Anschluss wählen...</translation>
    </message>
    <message id="Demonstration gauge">
        <source></source>
        <translation>Vorführgerät</translation>
    </message>
    <message id="Demonstration gauge (%1)">
        <source></source>
        <translation>Vorführgerät (%1)</translation>
    </message>
    <message id="No gauge port is chosen.">
        <source></source>
        <translation>Es ist kein Anschluss für das Messgerät gewählt.</translation>
    </message>
    <message id="Choose the port your gauge is connected to, or the demonstration gauge, in Preferences.">
        <source></source>
        <translation>Wählen Sie in den Einstellungen den Anschluss, an dem Ihr Messgerät angeschlossen ist, oder das Vorführgerät.</translation>
    </message>
    <message id="Opening %1...">
        <source></source>
        <translation>%1 wird geöffnet...</translation>
    </message>
    <message id="Looking for a gauge on %1: trying %2 baud, %3 s so far.">
        <source></source>
        <translation>Suche nach einem Messgerät an %1: versuche %2 Baud, bisher %3 s.</translation>
    </message>
    <message id="Check that the gauge is switched on and its cable is plugged in.">
        <source></source>
        <translation>Prüfen Sie, ob das Messgerät eingeschaltet und sein Kabel eingesteckt ist.</translation>
    </message>
    <message id="%1 cannot be opened.">
        <source></source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message id="The connection on %1 has ended.">
        <source></source>
        <translation>Die Verbindung an %1 ist beendet.</translation>
    </message>
    <message id="Choose Refresh to try again.">
        <source></source>
        <translation>Wählen Sie Aktualisieren, um es erneut zu versuchen.</translation>
    </message>
    <message id="Connected to %1, serial number %2.">
        <source></source>
        <translation>Verbunden mit %1, Seriennummer %2.</translation>
    </message>
    <message id="This is the demonstration gauge: its batches are sample data.">
        <source></source>
        <translation>Dies ist das Vorführgerät: Seine Messreihen sind Beispieldaten.</translation>
    </message>
    <message id="The gauge holds no batches. Batches measured with the gauge are listed here.">
        <source></source>
        <translation>Das Messgerät enthält keine Messreihen. Mit dem Messgerät gemessene Messreihen werden hier aufgeführt.</translation>
    </message>
    <message id="No templates yet. Choose New Template to make one.">
        <source></source>
        <translation>Noch keine Vorlagen. Wählen Sie Neue Vorlage, um eine anzulegen.</translation>
    </message>
    <message id="No reports yet. Choose New Report to design one.">
        <source></source>
        <translation>Noch keine Berichte. Wählen Sie Neuer Bericht, um einen zu entwerfen.</translation>
    </message>
    <message id="This folder is empty. Download batches from the gauge, or choose New Batch, to fill it.">
        <source></source>
        <translation>Dieser Ordner ist leer. Laden Sie Messreihen vom Messgerät herunter oder wählen Sie Neue Messreihe, um ihn zu füllen.</translation>
    </message>
    <message id="Demonstration gauge (simulator)">
        <source></source>
        <translation>Vorführgerät (Simulator)</translation>
    </message>
    <message id="The batch file was changed by another program since it was shown. Replace it with your change?">
        <source></source>
        <translation>Die Messreihendatei wurde seit ihrer Anzeige von einem anderen Programm geändert. Durch Ihre Änderung ersetzen?</translation>
    </message>
    <message id="The storage folder %1 does not answer. If it is on a network drive, the server may not be reachable. The folders are shown as soon as it answers again.">
        <source></source>
        <translation>Der Datenordner %1 antwortet nicht. Liegt er auf einem Netzlaufwerk, ist der Server vielleicht nicht erreichbar. Die Ordner werden angezeigt, sobald er wieder antwortet.</translation>
    </message>
    <message id="Batch %1 (%2)">
        <source></source>
        <translation>Messreihe %1 (%2)</translation>
    </message>
    <message id="%1: no readings">
        <source></source>
        <translation>%1: keine Messwerte</translation>
    </message>
    <message id="%1: %2 readings, Min %3, Max %4, Mean %5 %6">
        <source></source>
        <translation>%1: %2 Messwerte, Min %3, Max %4, Mittelwert %5 %6</translation>
    </message>
    <message id="%1: %2 readings">
        <source></source>
        <translation>%1: %2 Messwerte</translation>
    </message>
    <message id="Views">
        <source></source>
        <translation>Ansichten</translation>
    </message>
    <message id="Column %1, row %2">
        <source></source>
        <translation>Spalte %1, Zeile %2</translation>
    </message>
    <message id="Empty">
        <source></source>
        <translation>Leer</translation>
    </message>
    <message id="Cumulative Distribution">
        <source></source>
        <translation>Summenverteilung</translation>
    </message>
    <message id="Difference Map">
        <source></source>
        <translation>Differenzkarte</translation>
    </message>
    <message id="%1 at %2 mm, %3 mm, %4 mm wide, %5 mm high">
        <source></source>
        <translation>%1 bei %2 mm, %3 mm, %4 mm breit, %5 mm hoch</translation>
    </message>
    <message id="%1 items">
        <source></source>
        <translation>%1 Elemente</translation>
    </message>
    <message id="Items">
        <source></source>
        <translation>Elemente</translation>
    </message>
    <message id="Pages">
        <source></source>
        <translation>Seiten</translation>
    </message>
    <message id="Page %1">
        <source></source>
        <translation>Seite %1</translation>
    </message>
    <message id="Files">
        <source></source>
        <translation>Dateien</translation>
    </message>
    <message id="Commands">
        <source></source>
        <translation>Befehle</translation>
    </message>
    <message id="Selected Folder">
        <source></source>
        <translation>Ausgewählter Ordner</translation>
    </message>
    <message id="Move to Tab Reports">
        <source></source>
        <translation>In Registerberichte verschieben</translation>
    </message>
    <message id="Move to My Reports">
        <source></source>
        <translation>In Meine Berichte verschieben</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menü</translation>
    </message>
</context>
</TS>
