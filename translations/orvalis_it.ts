<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="Too many histogram bins">
        <source></source>
        <translation>Troppe classi nell&apos;istogramma</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Nessuno</translation>
    </message>
    <message id="Warning">
        <source></source>
        <translation>Avviso</translation>
    </message>
    <message id="MaxMin">
        <source></source>
        <translation>MaxMin</translation>
    </message>
    <message id="Limits">
        <source></source>
        <translation>Limiti</translation>
    </message>
    <message id="Threshold">
        <source></source>
        <translation>Soglia</translation>
    </message>
    <message id="File">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="Batch ID">
        <source></source>
        <translation>ID serie</translation>
    </message>
    <message id="Batch Type">
        <source></source>
        <translation>Tipo di serie</translation>
    </message>
    <message id="Batch Format">
        <source></source>
        <translation>Formato della serie</translation>
    </message>
    <message id="Columns">
        <source></source>
        <translation>Colonne</translation>
    </message>
    <message id="Rows">
        <source></source>
        <translation>Righe</translation>
    </message>
    <message id="Slot">
        <source></source>
        <translation>Posizione di memoria</translation>
    </message>
    <message id="Creation Date">
        <source></source>
        <translation>Data di creazione</translation>
    </message>
    <message id="Update Date">
        <source></source>
        <translation>Data di modifica</translation>
    </message>
    <message id="Site">
        <source></source>
        <translation>Cantiere</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Posizione</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>Zona</translation>
    </message>
    <message id="Engineer">
        <source></source>
        <translation>Ingegnere</translation>
    </message>
    <message id="Customer">
        <source></source>
        <translation>Committente</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Nota</translation>
    </message>
    <message id="Grid">
        <source></source>
        <translation>Griglia</translation>
    </message>
    <message id="High Limit">
        <source></source>
        <translation>Limite superiore</translation>
    </message>
    <message id="applied">
        <source></source>
        <translation>applicato</translation>
    </message>
    <message id="not applied">
        <source></source>
        <translation>non applicato</translation>
    </message>
    <message id="Low Limit">
        <source></source>
        <translation>Limite inferiore</translation>
    </message>
    <message id="Probe">
        <source></source>
        <translation>Sonda</translation>
    </message>
    <message id="Gauge Serial Number">
        <source></source>
        <translation>Numero di serie dello strumento</translation>
    </message>
    <message id="Bar Series">
        <source></source>
        <translation>Serie di barre</translation>
    </message>
    <message id="Bar Size">
        <source></source>
        <translation>Diametro barra</translation>
    </message>
    <message id="Bar Grade">
        <source></source>
        <translation>Qualità dell&apos;acciaio</translation>
    </message>
    <message id="Cell Type">
        <source></source>
        <translation>Tipo di elettrodo</translation>
    </message>
    <message id="Gauge Cell Type">
        <source></source>
        <translation>Tipo di elettrodo dello strumento</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Readings">
        <source></source>
        <translation>Letture</translation>
    </message>
    <message id="Valid Readings">
        <source></source>
        <translation>Letture valide</translation>
    </message>
    <message id="Reading Positions">
        <source></source>
        <translation>Posizioni di lettura</translation>
    </message>
    <message id="Last Reading Position">
        <source></source>
        <translation>Ultima posizione di lettura</translation>
    </message>
    <message id="Mean">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="Standard Deviation">
        <source></source>
        <translation>Deviazione standard</translation>
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
        <translation>Campo di variazione</translation>
    </message>
    <message id="Below Low Limit">
        <source></source>
        <translation>Sotto il limite inferiore</translation>
    </message>
    <message id="Above High Limit">
        <source></source>
        <translation>Sopra il limite superiore</translation>
    </message>
    <message id="Over Range">
        <source></source>
        <translation>Fuori scala in eccesso</translation>
    </message>
    <message id="Under Range">
        <source></source>
        <translation>Fuori scala in difetto</translation>
    </message>
    <message id="Folder">
        <source></source>
        <translation>Cartella</translation>
    </message>
    <message id="Batch">
        <source></source>
        <translation>Serie</translation>
    </message>
    <message id="Template">
        <source></source>
        <translation>Modello</translation>
    </message>
    <message id="Report">
        <source></source>
        <translation>Rapporto</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Altro</translation>
    </message>
    <message id="Unknown argument &quot;%1&quot;">
        <source></source>
        <translation>Argomento sconosciuto «%1»</translation>
    </message>
    <message id="No folder given">
        <source></source>
        <translation>Nessuna cartella indicata</translation>
    </message>
    <message id="Folder not found: %1">
        <source></source>
        <translation>Cartella non trovata: %1</translation>
    </message>
    <message id="There are no batches to export">
        <source></source>
        <translation>Non ci sono serie da esportare</translation>
    </message>
    <message id="%1 (%2)">
        <source></source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="The batch file's %1 holds an invalid item &quot;%2&quot; at position %3">
        <source></source>
        <translation>Il campo %1 del file della serie contiene un elemento non valido «%2» alla posizione %3</translation>
    </message>
    <message id="The batch file's %1 holds %2 items where %3 cells are expected">
        <source></source>
        <translation>Il campo %1 del file della serie contiene %2 elementi dove sono attese %3 celle</translation>
    </message>
    <message id="The batch file's %1 &quot;%2&quot; is not a valid date and time">
        <source></source>
        <translation>Il campo %1 «%2» del file della serie non è una data e ora valida</translation>
    </message>
    <message id="The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)">
        <source></source>
        <translation>La dimensione del file della serie di %1 colonne per %2 righe non è valida (al massimo %3 celle)</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>Lineare</translation>
    </message>
    <message id="Cover">
        <source></source>
        <translation>Copriferro</translation>
    </message>
    <message id="Half Cell">
        <source></source>
        <translation>Semicella</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Metrico</translation>
    </message>
    <message id="Imperial">
        <source></source>
        <translation>Imperiale</translation>
    </message>
    <message id="ASTM/Canadian">
        <source></source>
        <translation>ASTM/Canadese</translation>
    </message>
    <message id="Japanese">
        <source></source>
        <translation>Giapponese</translation>
    </message>
    <message id="High Tensile">
        <source></source>
        <translation>Alta resistenza</translation>
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
        <translation>Tipo di serie non valido</translation>
    </message>
    <message id="mm">
        <source></source>
        <translation>mm</translation>
    </message>
    <message id="Cell index out of range">
        <source></source>
        <translation>Indice di cella fuori intervallo</translation>
    </message>
    <message id="Cannot assign object to Batch item">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a un elemento di serie</translation>
    </message>
    <message id="Invalid batch size %1 x %2: a batch holds at most %3 cells">
        <source></source>
        <translation>Dimensione della serie non valida %1 x %2: una serie contiene al massimo %3 celle</translation>
    </message>
    <message id="Cell index out of range (%1, %2)">
        <source></source>
        <translation>Indice di cella fuori intervallo (%1, %2)</translation>
    </message>
    <message id="Unable to locate bar series name">
        <source></source>
        <translation>Impossibile trovare il nome della serie di barre</translation>
    </message>
    <message id="Unknown bar series item">
        <source></source>
        <translation>Elemento della serie di barre sconosciuto</translation>
    </message>
    <message id="Invalid batch type - must be half-cell">
        <source></source>
        <translation>Tipo di serie non valido: deve essere a semicella</translation>
    </message>
    <message id="Unable to convert data to cell type">
        <source></source>
        <translation>Impossibile convertire i dati nel tipo di elettrodo</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Sì</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>No</translation>
    </message>
    <message id="The batch is too large for a summary of %1 columns by %2 rows">
        <source></source>
        <translation>La serie è troppo grande per una panoramica di %1 colonne per %2 righe</translation>
    </message>
    <message id="File Path">
        <source></source>
        <translation>Percorso del file</translation>
    </message>
    <message id="High Limit Applied">
        <source></source>
        <translation>Limite superiore applicato</translation>
    </message>
    <message id="Low Limit Applied">
        <source></source>
        <translation>Limite inferiore applicato</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Unità</translation>
    </message>
    <message id="List index out of bounds (%1)">
        <source></source>
        <translation>Indice di elenco fuori dai limiti (%1)</translation>
    </message>
    <message id="Invalid argument to date encode">
        <source></source>
        <translation>Argomento non valido per la codifica della data</translation>
    </message>
    <message id="'%1' is not a valid date and time">
        <source></source>
        <translation>&apos;%1&apos; non è una data e ora valida</translation>
    </message>
    <message id="The folder already contains a file named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing file?">
        <source></source>
        <translation>La cartella contiene già un file denominato &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Sostituire il file esistente?</translation>
    </message>
    <message id="Cell (%1, %2) lies outside the worksheet">
        <source></source>
        <translation>La cella (%1, %2) si trova fuori dal foglio di lavoro</translation>
    </message>
    <message id="The workbook stream ends inside a record header">
        <source></source>
        <translation>Il flusso della cartella di lavoro termina all&apos;interno di un&apos;intestazione di record</translation>
    </message>
    <message id="The workbook stream ends inside a record of type 0x%1">
        <source></source>
        <translation>Il flusso della cartella di lavoro termina all&apos;interno di un record di tipo 0x%1</translation>
    </message>
    <message id="The workbook has no sheet %1">
        <source></source>
        <translation>La cartella di lavoro non ha il foglio %1</translation>
    </message>
    <message id="The workbook's sheet stream has no end">
        <source></source>
        <translation>Il flusso del foglio della cartella di lavoro non ha fine</translation>
    </message>
    <message id="The workbook's sheet %1 has no place for cells">
        <source></source>
        <translation>Il foglio %1 della cartella di lavoro non ha spazio per le celle</translation>
    </message>
    <message id="A workbook record of type 0x%1 is too long">
        <source></source>
        <translation>Un record della cartella di lavoro di tipo 0x%1 è troppo lungo</translation>
    </message>
    <message id="Cannot assign object to File item">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a un elemento di file</translation>
    </message>
    <message id="Cannot save file that is not loaded">
        <source></source>
        <translation>Impossibile salvare un file non caricato</translation>
    </message>
    <message id="Invalid file name in folder cache">
        <source></source>
        <translation>Nome di file non valido nella cache della cartella</translation>
    </message>
    <message id="Copy of file and folders canceled">
        <source></source>
        <translation>Copia di file e cartelle annullata</translation>
    </message>
    <message id="The folder already contains a folder named '%1'&#13;&#10;&#13;&#10;If the files in the existing folder have the same name as the files in the&#13;&#10;folder you are moving or copying, they will be replaced.  Do you still&#13;&#10;want to move or copy the folder?">
        <source></source>
        <translation>La cartella contiene già una cartella denominata &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Se i file nella cartella esistente hanno lo stesso nome dei file nella<byte value="xd"/>
cartella che si sta spostando o copiando, verranno sostituiti.  Spostare o copiare<byte value="xd"/>
comunque la cartella?</translation>
    </message>
    <message id="Destination same as source folder">
        <source></source>
        <translation>La destinazione coincide con la cartella di origine</translation>
    </message>
    <message id="Unable to create directories">
        <source></source>
        <translation>Impossibile creare le directory</translation>
    </message>
    <message id="Cannot read from the source file or disk">
        <source></source>
        <translation>Impossibile leggere dal file di origine o dal disco</translation>
    </message>
    <message id="Unable to delete file %1">
        <source></source>
        <translation>Impossibile eliminare il file %1</translation>
    </message>
    <message id="Unable to move file %1">
        <source></source>
        <translation>Impossibile spostare il file %1</translation>
    </message>
    <message id="Unable to delete directory %1">
        <source></source>
        <translation>Impossibile eliminare la directory %1</translation>
    </message>
    <message id="Copy of %1">
        <source></source>
        <translation>Copia di %1</translation>
    </message>
    <message id="Copy (%1) of %2">
        <source></source>
        <translation>Copia (%1) di %2</translation>
    </message>
    <message id="Unable to copy, too many &quot;Copy of&quot; files">
        <source></source>
        <translation>Impossibile copiare, troppi file «Copia di»</translation>
    </message>
    <message id="Unable to create file/folder, too many default named items.">
        <source></source>
        <translation>Impossibile creare il file o la cartella, troppi elementi con il nome predefinito.</translation>
    </message>
    <message id="Can not get locale info">
        <source></source>
        <translation>Impossibile ottenere le informazioni sulle impostazioni locali</translation>
    </message>
    <message id="Unable to assign object to TSettingsItem">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a TSettingsItem</translation>
    </message>
    <message id="Unable to assign object to TSettings">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a TSettings</translation>
    </message>
    <message id="My DozazEdivo Data">
        <source></source>
        <translation>My DozazEdivo Data</translation>
    </message>
    <message id="Unable to store the storage directory in the configuration file">
        <source></source>
        <translation>Impossibile salvare la directory dei dati nel file di configurazione</translation>
    </message>
    <message id="Cannot assign object to Template item">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a un elemento di modello</translation>
    </message>
    <message id="Cannot create file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossibile creare il file «%1». %2</translation>
    </message>
    <message id="Cannot write file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossibile scrivere il file «%1». %2</translation>
    </message>
    <message id="Cannot open file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message id="Invalid cover unit type">
        <source></source>
        <translation>Unità del copriferro non valida</translation>
    </message>
    <message id="Invalid temperature unit type">
        <source></source>
        <translation>Unità di temperatura non valida</translation>
    </message>
    <message id="Custom">
        <source></source>
        <translation>Personalizzato</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Predefinito</translation>
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
        <translation>Ampiezza delle classi dell&apos;istogramma non valida</translation>
    </message>
    <message id="Communications Error: (%1)">
        <source></source>
        <translation>Errore di comunicazione: (%1)</translation>
    </message>
    <message id="Read data timeout">
        <source></source>
        <translation>Timeout durante la lettura dei dati</translation>
    </message>
    <message id="Basic model not supported.">
        <source></source>
        <translation>Il modello base non è supportato.</translation>
    </message>
    <message id="Unexpected error">
        <source></source>
        <translation>Errore imprevisto</translation>
    </message>
    <message id="Polling on Port %1">
        <source></source>
        <translation>Interrogazione sulla porta %1</translation>
    </message>
    <message id="Polling on %1">
        <source></source>
        <translation>Interrogazione su %1</translation>
    </message>
    <message id="Retrieving Batch List...">
        <source></source>
        <translation>Recupero dell&apos;elenco delle serie...</translation>
    </message>
    <message id="Retrieving Batch Headers...">
        <source></source>
        <translation>Recupero delle intestazioni delle serie...</translation>
    </message>
    <message id="Retrieving Batch Readings...">
        <source></source>
        <translation>Recupero delle letture delle serie...</translation>
    </message>
    <message id="Writing Templates...">
        <source></source>
        <translation>Scrittura dei modelli...</translation>
    </message>
    <message id="Unable to handle existing batch">
        <source></source>
        <translation>Impossibile gestire la serie esistente</translation>
    </message>
    <message id="Deleting Batches...">
        <source></source>
        <translation>Eliminazione delle serie...</translation>
    </message>
    <message id="Invalid port number %1">
        <source></source>
        <translation>Numero di porta non valido %1</translation>
    </message>
    <message id="Unable to store the serial port table in the configuration file">
        <source></source>
        <translation>Impossibile salvare la tabella delle porte seriali nel file di configurazione</translation>
    </message>
    <message id="Pseudo-terminal">
        <source></source>
        <translation>Pseudo-terminale</translation>
    </message>
    <message id="Communications Error: (Port not open)">
        <source></source>
        <translation>Errore di comunicazione: (porta non aperta)</translation>
    </message>
    <message id="Communications Error">
        <source></source>
        <translation>Errore di comunicazione</translation>
    </message>
    <message id="Permission denied on %1: add your user to the dialout group and log in again.">
        <source></source>
        <translation>Permesso negato su %1: aggiungere il proprio utente al gruppo dialout e accedere di nuovo.</translation>
    </message>
    <message id="Write data failed">
        <source></source>
        <translation>Scrittura dei dati non riuscita</translation>
    </message>
    <message id="Unable to set baud rate">
        <source></source>
        <translation>Impossibile impostare la velocità in baud</translation>
    </message>
    <message id="Read Packet timeout">
        <source></source>
        <translation>Timeout durante la lettura del pacchetto</translation>
    </message>
    <message id="No response to command">
        <source></source>
        <translation>Nessuna risposta al comando</translation>
    </message>
    <message id="Invalid response to command">
        <source></source>
        <translation>Risposta non valida al comando</translation>
    </message>
    <message id="Must support command">
        <source></source>
        <translation>Il comando deve essere supportato</translation>
    </message>
    <message id="Communications Error: ('%1' is not a valid hexadecimal value)">
        <source></source>
        <translation>Errore di comunicazione: (&apos;%1&apos; non è un valore esadecimale valido)</translation>
    </message>
    <message id="Unknown Batch Type">
        <source></source>
        <translation>Tipo di serie sconosciuto</translation>
    </message>
    <message id="Unknown Batch Format">
        <source></source>
        <translation>Formato della serie sconosciuto</translation>
    </message>
    <message id="Unknown Batch Series">
        <source></source>
        <translation>Serie di barre sconosciuta</translation>
    </message>
    <message id="Unexpected packet type">
        <source></source>
        <translation>Tipo di pacchetto imprevisto</translation>
    </message>
    <message id="Data item out of expected batch dimensions">
        <source></source>
        <translation>Dato fuori dalle dimensioni previste della serie</translation>
    </message>
    <message id="Unknown Bar Grade">
        <source></source>
        <translation>Qualità dell&apos;acciaio sconosciuta</translation>
    </message>
    <message id="Invalid Batch Format">
        <source></source>
        <translation>Formato della serie non valido</translation>
    </message>
    <message id="Gauge memory full">
        <source></source>
        <translation>Memoria dello strumento piena</translation>
    </message>
    <message id="Batch already exists">
        <source></source>
        <translation>La serie esiste già</translation>
    </message>
    <message id="Top Left">
        <source></source>
        <translation>In alto a sinistra</translation>
    </message>
    <message id="Top Middle">
        <source></source>
        <translation>In alto al centro</translation>
    </message>
    <message id="Top Right">
        <source></source>
        <translation>In alto a destra</translation>
    </message>
    <message id="Middle Left">
        <source></source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message id="Middle Middle">
        <source></source>
        <translation>Al centro</translation>
    </message>
    <message id="Middle Right">
        <source></source>
        <translation>Al centro a destra</translation>
    </message>
    <message id="Bottom Left">
        <source></source>
        <translation>In basso a sinistra</translation>
    </message>
    <message id="Bottom Middle">
        <source></source>
        <translation>In basso al centro</translation>
    </message>
    <message id="Bottom Right">
        <source></source>
        <translation>In basso a destra</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Sinistra</translation>
    </message>
    <message id="Top">
        <source></source>
        <translation>Alto</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Destra</translation>
    </message>
    <message id="Bottom">
        <source></source>
        <translation>Basso</translation>
    </message>
    <message id="Cover Batch">
        <source></source>
        <translation>Serie copriferro</translation>
    </message>
    <message id="Half Cell Batch">
        <source></source>
        <translation>Serie semicella</translation>
    </message>
    <message id="Item name already in use.">
        <source></source>
        <translation>Il nome dell&apos;elemento è già in uso.</translation>
    </message>
    <message id="Cannot assign object to Page item">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a un elemento di pagina</translation>
    </message>
    <message id="Opening Page">
        <source></source>
        <translation>Pagina iniziale</translation>
    </message>
    <message id="Inner Page">
        <source></source>
        <translation>Pagina interna</translation>
    </message>
    <message id="Closing Page">
        <source></source>
        <translation>Pagina finale</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Verticale</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Orizzontale</translation>
    </message>
    <message id="Invalid Page Orientation">
        <source></source>
        <translation>Orientamento della pagina non valido</translation>
    </message>
    <message id="Class %1 not found">
        <source></source>
        <translation>Classe %1 non trovata</translation>
    </message>
    <message id="Cannot assign object to Page object">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a un oggetto di pagina</translation>
    </message>
    <message id="Too many items, please rename some.">
        <source></source>
        <translation>Troppi elementi, rinominarne alcuni.</translation>
    </message>
    <message id="C:\Documents and Settings\ExampleUser\My Documents\My DozazEdivo Data\">
        <source></source>
        <translation>C:\Documents and Settings\Utente\Documenti\My DozazEdivo Data\</translation>
    </message>
    <message id="CellColour">
        <source></source>
        <translation>Colore cella</translation>
    </message>
    <message id="WarningLimitCover">
        <source></source>
        <translation>Limite di avviso copriferro</translation>
    </message>
    <message id="Report Value">
        <source></source>
        <translation>Valore del rapporto</translation>
    </message>
    <message id="Every Cell">
        <source></source>
        <translation>Ogni cella</translation>
    </message>
    <message id="GradientMethod">
        <source></source>
        <translation>Metodo della sfumatura</translation>
    </message>
    <message id="LineColour">
        <source></source>
        <translation>Colore linea</translation>
    </message>
    <message id="Line">
        <source></source>
        <translation>Linea</translation>
    </message>
    <message id="Bar">
        <source></source>
        <translation>Barra</translation>
    </message>
    <message id="BatchID">
        <source></source>
        <translation>ID serie</translation>
    </message>
    <message id="FilePath">
        <source></source>
        <translation>Percorso del file</translation>
    </message>
    <message id="TodaysDate">
        <source></source>
        <translation>Data odierna</translation>
    </message>
    <message id="CreateDate">
        <source></source>
        <translation>Data di creazione</translation>
    </message>
    <message id="UpdateDate">
        <source></source>
        <translation>Data di modifica</translation>
    </message>
    <message id="BatchFormat">
        <source></source>
        <translation>Formato della serie</translation>
    </message>
    <message id="HighLimit">
        <source></source>
        <translation>Limite superiore</translation>
    </message>
    <message id="LowLimit">
        <source></source>
        <translation>Limite inferiore</translation>
    </message>
    <message id="GridSpacing">
        <source></source>
        <translation>Passo della griglia</translation>
    </message>
    <message id="BarSeries">
        <source></source>
        <translation>Serie di barre</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Diametro barra</translation>
    </message>
    <message id="MeanAverage">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="StandardDeviation">
        <source></source>
        <translation>Deviazione standard</translation>
    </message>
    <message id="BelowLowLimit">
        <source></source>
        <translation>Sotto il limite inferiore</translation>
    </message>
    <message id="AboveHighLimit">
        <source></source>
        <translation>Sopra il limite superiore</translation>
    </message>
    <message id="PerBelowLowLimit">
        <source></source>
        <translation>Percentuale sotto il limite inferiore</translation>
    </message>
    <message id="PerAboveHighLimit">
        <source></source>
        <translation>Percentuale sopra il limite superiore</translation>
    </message>
    <message id="PageNumber">
        <source></source>
        <translation>Numero di pagina</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unità</translation>
    </message>
    <message id="OverRange">
        <source></source>
        <translation>Fuori scala in eccesso</translation>
    </message>
    <message id="UnderRange">
        <source></source>
        <translation>Fuori scala in difetto</translation>
    </message>
    <message id="PerOverRange">
        <source></source>
        <translation>Percentuale fuori scala in eccesso</translation>
    </message>
    <message id="PerUnderRange">
        <source></source>
        <translation>Percentuale fuori scala in difetto</translation>
    </message>
    <message id="CellType">
        <source></source>
        <translation>Tipo di elettrodo</translation>
    </message>
    <message id="BarGrade">
        <source></source>
        <translation>Qualità dell&apos;acciaio</translation>
    </message>
    <message id="Todays Date">
        <source></source>
        <translation>Data odierna</translation>
    </message>
    <message id="Create Date">
        <source></source>
        <translation>Creato il</translation>
    </message>
    <message id="Grid Spacing">
        <source></source>
        <translation>Passo della griglia</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="Std. Dev.">
        <source></source>
        <translation>Dev. std.</translation>
    </message>
    <message id="n &lt; Limit">
        <source></source>
        <translation>n &lt; limite</translation>
    </message>
    <message id="n &gt; Limit">
        <source></source>
        <translation>n &gt; limite</translation>
    </message>
    <message id="% &lt; Limit">
        <source></source>
        <translation>% &lt; limite</translation>
    </message>
    <message id="% &gt; Limit">
        <source></source>
        <translation>% &gt; limite</translation>
    </message>
    <message id="Page No.">
        <source></source>
        <translation>Pag. n.</translation>
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
        <translation>Colore carattere</translation>
    </message>
    <message id="Data values only available on inner pages">
        <source></source>
        <translation>Valori dei dati disponibili solo nelle pagine interne</translation>
    </message>
    <message id="-">
        <source></source>
        <translation>-</translation>
    </message>
    <message id="Rectangle">
        <source></source>
        <translation>Rettangolo</translation>
    </message>
    <message id="Horizontal Line">
        <source></source>
        <translation>Linea orizzontale</translation>
    </message>
    <message id="Vertical Line">
        <source></source>
        <translation>Linea verticale</translation>
    </message>
    <message id="True">
        <source></source>
        <translation>Vero</translation>
    </message>
    <message id="False">
        <source></source>
        <translation>Falso</translation>
    </message>
    <message id="Bitmaps">
        <source></source>
        <translation>Bitmap</translation>
    </message>
    <message id="Unable to compress picture">
        <source></source>
        <translation>Impossibile comprimere l&apos;immagine</translation>
    </message>
    <message id="Unable to load picture file %1">
        <source></source>
        <translation>Impossibile caricare il file immagine %1</translation>
    </message>
    <message id="Cannot assign object to VentraxGraphic">
        <source></source>
        <translation>Impossibile assegnare l&apos;oggetto a VentraxGraphic</translation>
    </message>
    <message id="(None)">
        <source></source>
        <translation>(Nessuno)</translation>
    </message>
    <message id="(Graphic)">
        <source></source>
        <translation>(Grafica)</translation>
    </message>
    <message id="Invalid property value">
        <source></source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message id="Invalid boolean value '%1'">
        <source></source>
        <translation>Valore booleano non valido &apos;%1&apos;</translation>
    </message>
    <message id="Invalid brush style '%1'">
        <source></source>
        <translation>Stile del pennello non valido &apos;%1&apos;</translation>
    </message>
    <message id="Invalid pen style '%1'">
        <source></source>
        <translation>Stile della penna non valido &apos;%1&apos;</translation>
    </message>
    <message id="Cannot copy value to property.">
        <source></source>
        <translation>Impossibile copiare il valore nella proprietà.</translation>
    </message>
    <message id="Property does not exist">
        <source></source>
        <translation>La proprietà non esiste</translation>
    </message>
    <message id="Expecting property list">
        <source></source>
        <translation>Previsto un elenco di proprietà</translation>
    </message>
    <message id="Page does not exist">
        <source></source>
        <translation>La pagina non esiste</translation>
    </message>
    <message id="Unable to start the print job">
        <source></source>
        <translation>Impossibile avviare il processo di stampa</translation>
    </message>
    <message id="Unable to start a new page">
        <source></source>
        <translation>Impossibile iniziare una nuova pagina</translation>
    </message>
    <message id="Unable to write the PDF document information">
        <source></source>
        <translation>Impossibile scrivere le informazioni del documento PDF</translation>
    </message>
    <message id="Unable to write the PDF file %1">
        <source></source>
        <translation>Impossibile scrivere il file PDF %1</translation>
    </message>
    <message id="Unable to write the picture %1: %2">
        <source></source>
        <translation>Impossibile scrivere l&apos;immagine %1: %2</translation>
    </message>
    <message id="Enlarge">
        <source></source>
        <translation>Ingrandisci</translation>
    </message>
    <message id="Show or hide the folder list">
        <source></source>
        <translation>Mostra o nascondi l&apos;elenco delle cartelle</translation>
    </message>
    <message id="Header">
        <source></source>
        <translation>Intestazione</translation>
    </message>
    <message id="Measurements">
        <source></source>
        <translation>Misure</translation>
    </message>
    <message id="Unable to modify multiple batch items.">
        <source></source>
        <translation>Impossibile modificare più serie contemporaneamente.</translation>
    </message>
    <message id="Unable to save the batch file %1">
        <source></source>
        <translation>Impossibile salvare il file della serie %1</translation>
    </message>
    <message id="Applied">
        <source></source>
        <translation>Applicato</translation>
    </message>
    <message id="File Location:">
        <source></source>
        <translation>Posizione del file:</translation>
    </message>
    <message id="Batch ID:">
        <source></source>
        <translation>ID serie:</translation>
    </message>
    <message id="Readings:">
        <source></source>
        <translation>Letture:</translation>
    </message>
    <message id="Date Created:">
        <source></source>
        <translation>Data di creazione:</translation>
    </message>
    <message id="Date Updated:">
        <source></source>
        <translation>Data di modifica:</translation>
    </message>
    <message id="Batch Format:">
        <source></source>
        <translation>Formato della serie:</translation>
    </message>
    <message id="Columns:">
        <source></source>
        <translation>Colonne:</translation>
    </message>
    <message id="Rows:">
        <source></source>
        <translation>Righe:</translation>
    </message>
    <message id="Gauge High Limit:">
        <source></source>
        <translation>Limite superiore dello strumento:</translation>
    </message>
    <message id="Gauge Low Limit:">
        <source></source>
        <translation>Limite inferiore dello strumento:</translation>
    </message>
    <message id="Bar Series:">
        <source></source>
        <translation>Serie di barre:</translation>
    </message>
    <message id="Bar Size:">
        <source></source>
        <translation>Diametro barra:</translation>
    </message>
    <message id="Bar Grade:">
        <source></source>
        <translation>Qualità dell&apos;acciaio:</translation>
    </message>
    <message id="Cell Type:">
        <source></source>
        <translation>Tipo di elettrodo:</translation>
    </message>
    <message id="Site:">
        <source></source>
        <translation>Cantiere:</translation>
    </message>
    <message id="Location:">
        <source></source>
        <translation>Posizione:</translation>
    </message>
    <message id="Area:">
        <source></source>
        <translation>Zona:</translation>
    </message>
    <message id="Engineer:">
        <source></source>
        <translation>Ingegnere:</translation>
    </message>
    <message id="Customer:">
        <source></source>
        <translation>Committente:</translation>
    </message>
    <message id="Note:">
        <source></source>
        <translation>Nota:</translation>
    </message>
    <message id="Grid Spacing (%1):">
        <source></source>
        <translation>Passo della griglia (%1):</translation>
    </message>
    <message id="High Limit (%1):">
        <source></source>
        <translation>Limite superiore (%1):</translation>
    </message>
    <message id="Low Limit (%1):">
        <source></source>
        <translation>Limite inferiore (%1):</translation>
    </message>
    <message id="Temperature (%1):">
        <source></source>
        <translation>Temperatura (%1):</translation>
    </message>
    <message id="Enter valid high limit value (%1-%2)">
        <source></source>
        <translation>Inserire un limite superiore valido (%1-%2)</translation>
    </message>
    <message id="Enter valid low limit value (%1-%2)">
        <source></source>
        <translation>Inserire un limite inferiore valido (%1-%2)</translation>
    </message>
    <message id="Enter valid column value (%1-%2)">
        <source></source>
        <translation>Inserire un numero di colonne valido (%1-%2)</translation>
    </message>
    <message id="Enter valid row value (%1-%2)">
        <source></source>
        <translation>Inserire un numero di righe valido (%1-%2)</translation>
    </message>
    <message id="Enter valid grid size (%1 to %2)">
        <source></source>
        <translation>Inserire un passo della griglia valido (da %1 a %2)</translation>
    </message>
    <message id="'%1' is not a valid floating point value">
        <source></source>
        <translation>&apos;%1&apos; non è un numero in virgola mobile valido</translation>
    </message>
    <message id="Enter valid temperature (%1%2 to %3%4)">
        <source></source>
        <translation>Inserire una temperatura valida (da %1%2 a %3%4)</translation>
    </message>
    <message id="Data outside new batch size will be lost. Continue?">
        <source></source>
        <translation>I dati al di fuori della nuova dimensione della serie andranno persi. Continuare?</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nome</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Tipo</translation>
    </message>
    <message id="Format">
        <source></source>
        <translation>Formato</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Scarica</translation>
    </message>
    <message id="Upload">
        <source></source>
        <translation>Invia</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>Aggiorna</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Elimina</translation>
    </message>
    <message id="The gauge already contains a batch named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing batch?">
        <source></source>
        <translation>Lo strumento contiene già una serie denominata &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Sostituire la serie esistente?</translation>
    </message>
    <message id="Please Wait...">
        <source></source>
        <translation>Attendere...</translation>
    </message>
    <message id="Are you sure you want to delete '%1'?">
        <source></source>
        <translation>Eliminare &apos;%1&apos;?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 batches?">
        <source></source>
        <translation>Eliminare queste %1 serie?</translation>
    </message>
    <message id="New Folder">
        <source></source>
        <translation>Nuova cartella</translation>
    </message>
    <message id="Select Data Folder">
        <source></source>
        <translation>Seleziona la cartella dei dati</translation>
    </message>
    <message id="Data">
        <source></source>
        <translation>Dati</translation>
    </message>
    <message id="A folder with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Esiste già una cartella con il nome specificato. Specificare un nome diverso.</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nuovo</translation>
    </message>
    <message id="Version : %1">
        <source></source>
        <translation>Versione: %1</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>Informazioni</translation>
    </message>
    <message id="Modified">
        <source></source>
        <translation>Modificato</translation>
    </message>
    <message id="Are you sure you want to remove the folder named '%1' and all its contents?">
        <source></source>
        <translation>Rimuovere la cartella &apos;%1&apos; e tutto il suo contenuto?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 items?">
        <source></source>
        <translation>Eliminare questi %1 elementi?</translation>
    </message>
    <message id="Cannot rename unknown file type.">
        <source></source>
        <translation>Impossibile rinominare un tipo di file sconosciuto.</translation>
    </message>
    <message id="A file with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Esiste già un file con il nome specificato. Specificare un nome diverso.</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Guida</translation>
    </message>
    <message id="Folder List">
        <source></source>
        <translation>Elenco cartelle</translation>
    </message>
    <message id="Ventrax K27">
        <source></source>
        <translation>Ventrax K27</translation>
    </message>
    <message id="Templates">
        <source></source>
        <translation>Modelli</translation>
    </message>
    <message id="Reports">
        <source></source>
        <translation>Rapporti</translation>
    </message>
    <message id="Local">
        <source></source>
        <translation>Locale</translation>
    </message>
    <message id="Rename">
        <source></source>
        <translation>Rinomina</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Taglia</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copia</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Incolla</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Seleziona tutto</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Indietro</translation>
    </message>
    <message id="Grid Batch">
        <source></source>
        <translation>Serie a griglia</translation>
    </message>
    <message id="Linear Batch">
        <source></source>
        <translation>Serie lineare</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Esporta</translation>
    </message>
    <message id="Change Storage Directory">
        <source></source>
        <translation>Cambia la directory dei dati</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferenze</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>Esci</translation>
    </message>
    <message id="Orvalis Help">
        <source></source>
        <translation>Guida di Orvalis</translation>
    </message>
    <message id="New Batch">
        <source></source>
        <translation>Nuova serie</translation>
    </message>
    <message id="Would you like to replace the existing file?">
        <source></source>
        <translation>Sostituire il file esistente?</translation>
    </message>
    <message id="Select the directory in which to store application data">
        <source></source>
        <translation>Selezionare la directory in cui salvare i dati del programma</translation>
    </message>
    <message id="Unable to open the help file %1">
        <source></source>
        <translation>Impossibile aprire il file della guida %1</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annulla</translation>
    </message>
    <message id="Specify the measurement units to be used when displaying cover depth, and grid dimensions.">
        <source></source>
        <translation>Specificare le unità di misura per la visualizzazione del copriferro e delle dimensioni della griglia.</translation>
    </message>
    <message id="mm &amp; metres">
        <source></source>
        <translation>mm &amp; metri</translation>
    </message>
    <message id="inches &amp; feet">
        <source></source>
        <translation>pollici &amp; piedi</translation>
    </message>
    <message id="Specify the measurement units to used when displaying temperature.">
        <source></source>
        <translation>Specificare l&apos;unità di misura per la visualizzazione della temperatura.</translation>
    </message>
    <message id="Email Report Format">
        <source></source>
        <translation>Formato dei rapporti via e-mail</translation>
    </message>
    <message id="Specify the method in which a report will be emailed.">
        <source></source>
        <translation>Specificare in che forma viene inviato un rapporto via e-mail.</translation>
    </message>
    <message id="PDF Document">
        <source></source>
        <translation>Documento PDF</translation>
    </message>
    <message id="JPEG Images">
        <source></source>
        <translation>Immagini JPEG</translation>
    </message>
    <message id="Gradient Threshold">
        <source></source>
        <translation>Soglia della sfumatura</translation>
    </message>
    <message id="Enter the threshold value to use for overview charts using a threshold gradient">
        <source></source>
        <translation>Inserire il valore di soglia per i grafici di panoramica con sfumatura a soglia</translation>
    </message>
    <message id="Report Page Thumbnail Quality">
        <source></source>
        <translation>Qualità delle miniature delle pagine dei rapporti</translation>
    </message>
    <message id="Specify the quality of the report page thumbnails.">
        <source></source>
        <translation>Specificare la qualità delle miniature delle pagine dei rapporti.</translation>
    </message>
    <message id="High Quality">
        <source></source>
        <translation>Alta qualità</translation>
    </message>
    <message id="Normal Quality">
        <source></source>
        <translation>Qualità normale</translation>
    </message>
    <message id="No Thumbnail">
        <source></source>
        <translation>Nessuna miniatura</translation>
    </message>
    <message id="Communications Port">
        <source></source>
        <translation>Porta di comunicazione</translation>
    </message>
    <message id="Specify the communications port the Ventrax K27 Instrument is connected to.">
        <source></source>
        <translation>Specificare la porta di comunicazione a cui è collegato lo strumento Ventrax K27.</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Generale</translation>
    </message>
    <message id="Interface">
        <source></source>
        <translation>Interfaccia</translation>
    </message>
    <message id="No Gauge">
        <source></source>
        <translation>Nessuno strumento</translation>
    </message>
    <message id="Cover (%1):">
        <source></source>
        <translation>Copriferro (%1):</translation>
    </message>
    <message id="Half-Cell (%1):">
        <source></source>
        <translation>Semicella (%1):</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Apri</translation>
    </message>
    <message id="Name: %1">
        <source></source>
        <translation>Nome: %1</translation>
    </message>
    <message id="Type: %1">
        <source></source>
        <translation>Tipo: %1</translation>
    </message>
    <message id="Size: %1">
        <source></source>
        <translation>Dimensione: %1</translation>
    </message>
    <message id="Modified: %1">
        <source></source>
        <translation>Modificato: %1</translation>
    </message>
    <message id="Location: %1">
        <source></source>
        <translation>Posizione: %1</translation>
    </message>
    <message id="Cannot open clipboard">
        <source></source>
        <translation>Impossibile aprire gli appunti</translation>
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
        <translation>%1 di %2</translation>
    </message>
    <message id="Unknown unit system %1: 0 is metric, 1 imperial">
        <source></source>
        <translation>Sistema di unità sconosciuto %1: 0 è metrico, 1 imperiale</translation>
    </message>
    <message id="Cannot delete file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossibile eliminare il file «%1». %2</translation>
    </message>
    <message id="Cumulative %">
        <source></source>
        <translation>% cumulativa</translation>
    </message>
    <message id="more positive than %1, corrosion unlikely">
        <source></source>
        <translation>più positivo di %1, corrosione improbabile</translation>
    </message>
    <message id="%1 to %2">
        <source></source>
        <translation>da %1 a %2</translation>
    </message>
    <message id="more negative than %1, corrosion likely">
        <source></source>
        <translation>più negativo di %1, corrosione probabile</translation>
    </message>
    <message id="Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing.">
        <source></source>
        <translation>Letture spostate di -81 mV da AG/AGCL a CU/CUSO4 prima della classificazione.</translation>
    </message>
    <message id="5 % Quantile">
        <source></source>
        <translation>Quantile 5 %</translation>
    </message>
    <message id="10 % Quantile">
        <source></source>
        <translation>Quantile 10 %</translation>
    </message>
    <message id="Normal 5 % Value">
        <source></source>
        <translation>Valore normale 5 %</translation>
    </message>
    <message id="no low limit applied">
        <source></source>
        <translation>nessun limite inferiore applicato</translation>
    </message>
    <message id="at least %1 needed">
        <source></source>
        <translation>necessari almeno %1</translation>
    </message>
    <message id="5 % Quantile Meets Low Limit">
        <source></source>
        <translation>Il quantile 5 % rispetta il limite inferiore</translation>
    </message>
    <message id="Excel Workbook (*.xlsx)">
        <source></source>
        <translation>Cartella di lavoro Excel (*.xlsx)</translation>
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
        <translation>CSV, un file per serie (*.csv)</translation>
    </message>
    <message id="All Files (*)">
        <source></source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message id="The file could not be opened">
        <source></source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message id="Invalid worksheet name &quot;%1&quot;">
        <source></source>
        <translation>Nome del foglio non valido «%1»</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Bassa</translation>
    </message>
    <message id="Intermediate">
        <source></source>
        <translation>Intermedia</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Alta</translation>
    </message>
    <message id="Invalid batch type - must be cover">
        <source></source>
        <translation>Tipo di serie non valido: deve essere copriferro</translation>
    </message>
    <message id="Not enough readings">
        <source></source>
        <translation>Letture insufficienti</translation>
    </message>
    <message id="The surveys are not of the same batch type">
        <source></source>
        <translation>I rilievi non sono dello stesso tipo di serie</translation>
    </message>
    <message id="The surveys do not have the same grid (%1 x %2 and %3 x %4)">
        <source></source>
        <translation>I rilievi non hanno la stessa griglia (%1 x %2 e %3 x %4)</translation>
    </message>
    <message id="It is not a file.">
        <source></source>
        <translation>Non è un file.</translation>
    </message>
    <message id="Invalid display format">
        <source></source>
        <translation>Formato di visualizzazione non valido</translation>
    </message>
    <message id="Report does not exist">
        <source></source>
        <translation>Il rapporto non esiste</translation>
    </message>
    <message id="PointColour">
        <source></source>
        <translation>Colore punto</translation>
    </message>
    <message id="CorrosionLow">
        <source></source>
        <translation>CorrosioneBassa</translation>
    </message>
    <message id="CorrosionIntermediate">
        <source></source>
        <translation>CorrosioneIntermedia</translation>
    </message>
    <message id="CorrosionHigh">
        <source></source>
        <translation>CorrosioneAlta</translation>
    </message>
    <message id="PerCorrosionLow">
        <source></source>
        <translation>PercCorrosioneBassa</translation>
    </message>
    <message id="PerCorrosionIntermediate">
        <source></source>
        <translation>PercCorrosioneIntermedia</translation>
    </message>
    <message id="PerCorrosionHigh">
        <source></source>
        <translation>PercCorrosioneAlta</translation>
    </message>
    <message id="Quantile5">
        <source></source>
        <translation>Quantile5</translation>
    </message>
    <message id="Quantile10">
        <source></source>
        <translation>Quantile10</translation>
    </message>
    <message id="NormalQuantile5">
        <source></source>
        <translation>QuantileNormale5</translation>
    </message>
    <message id="Quantile5MeetsLowLimit">
        <source></source>
        <translation>Quantile5RispettaLimiteInferiore</translation>
    </message>
    <message id="n Low">
        <source></source>
        <translation>n bassa</translation>
    </message>
    <message id="n Intermediate">
        <source></source>
        <translation>n intermedia</translation>
    </message>
    <message id="n High">
        <source></source>
        <translation>n alta</translation>
    </message>
    <message id="% Low">
        <source></source>
        <translation>% bassa</translation>
    </message>
    <message id="% Intermediate">
        <source></source>
        <translation>% intermedia</translation>
    </message>
    <message id="% High">
        <source></source>
        <translation>% alta</translation>
    </message>
    <message id="Normal 5 %">
        <source></source>
        <translation>Normale 5 %</translation>
    </message>
    <message id="5 % Check">
        <source></source>
        <translation>Verifica 5 %</translation>
    </message>
    <message id="There is no default printer to print on">
        <source></source>
        <translation>Nessuna stampante predefinita disponibile</translation>
    </message>
    <message id="Unable to print the report">
        <source></source>
        <translation>Impossibile stampare il rapporto</translation>
    </message>
    <message id="Anchor">
        <source></source>
        <translation>Ancoraggio</translation>
    </message>
    <message id="Text Editor">
        <source></source>
        <translation>Editor di testo</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Seleziona</translation>
    </message>
    <message id="Shape">
        <source></source>
        <translation>Forma</translation>
    </message>
    <message id="Memo">
        <source></source>
        <translation>Casella di testo</translation>
    </message>
    <message id="Graphic">
        <source></source>
        <translation>Grafica</translation>
    </message>
    <message id="Overview">
        <source></source>
        <translation>Panoramica</translation>
    </message>
    <message id="Histogram">
        <source></source>
        <translation>Istogramma</translation>
    </message>
    <message id="Run">
        <source></source>
        <translation>Andamento</translation>
    </message>
    <message id="Combined Overview">
        <source></source>
        <translation>Panoramica combinata</translation>
    </message>
    <message id="Page Width">
        <source></source>
        <translation>Larghezza pagina</translation>
    </message>
    <message id="Full Page">
        <source></source>
        <translation>Pagina intera</translation>
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
        <translation>Struttura pagina</translation>
    </message>
    <message id="Zoom:">
        <source></source>
        <translation>Zoom:</translation>
    </message>
    <message id="Halfcell">
        <source></source>
        <translation>Semicella</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Are you sure you want to delete these %1 page items?">
        <source></source>
        <translation>Eliminare questi %1 elementi di pagina?</translation>
    </message>
    <message id="Are you sure you wish to switch all the page items that support %1 to %2">
        <source></source>
        <translation>Passare a %2 tutti gli elementi di pagina che supportano %1?</translation>
    </message>
    <message id="Are you sure you wish to save the changes to the page design?">
        <source></source>
        <translation>Salvare le modifiche alla struttura della pagina?</translation>
    </message>
    <message id="Are you sure you wish to abandon the changes to the page design?">
        <source></source>
        <translation>Abbandonare le modifiche alla struttura della pagina?</translation>
    </message>
    <message id="Save changes to this page?">
        <source></source>
        <translation>Salvare le modifiche a questa pagina?</translation>
    </message>
    <message id="All Graphics (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;Metafiles (*.svg);;All Files (*)">
        <source></source>
        <translation>Tutte le immagini (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmap (*.bmp *.jpg *.jpeg *.png);;Metafile (*.svg);;Tutti i file (*)</translation>
    </message>
    <message id="Property Editor">
        <source></source>
        <translation>Editor delle proprietà</translation>
    </message>
    <message id="Select Picture">
        <source></source>
        <translation>Seleziona immagine</translation>
    </message>
    <message id="Cannot open '%1': there is no such file.">
        <source></source>
        <translation>Impossibile aprire «%1»: il file non esiste.</translation>
    </message>
    <message id="Cannot open '%1': it is not a batch, template or report file.">
        <source></source>
        <translation>Impossibile aprire «%1»: non è un file di serie, di modello né di rapporto.</translation>
    </message>
    <message id="'%1' is not in the storage folder.&#13;&#10;Copy it into %2 and open it?">
        <source></source>
        <translation>«%1» non si trova nella cartella dei dati.<byte value="xd"/>
Copiarlo in %2 e aprirlo?</translation>
    </message>
    <message id="Template Batch Wizard">
        <source></source>
        <translation>Procedura guidata serie modello</translation>
    </message>
    <message id="Welcome to the Template Batch Wizard">
        <source></source>
        <translation>Benvenuti nella procedura guidata serie modello</translation>
    </message>
    <message id="This wizard will allow you to create or modify a template batch.">
        <source></source>
        <translation>Questa procedura guidata consente di creare o modificare una serie modello.</translation>
    </message>
    <message id="Determines the format of the batch data.">
        <source></source>
        <translation>Determina il formato dei dati della serie.</translation>
    </message>
    <message id="Batch Details">
        <source></source>
        <translation>Dettagli della serie</translation>
    </message>
    <message id="Enter batch details">
        <source></source>
        <translation>Inserire i dettagli della serie</translation>
    </message>
    <message id="Number of Columns">
        <source></source>
        <translation>Numero di colonne</translation>
    </message>
    <message id="Number of Rows">
        <source></source>
        <translation>Numero di righe</translation>
    </message>
    <message id="Grid Dimensions">
        <source></source>
        <translation>Dimensioni della griglia</translation>
    </message>
    <message id="Specify the dimensions of the grid">
        <source></source>
        <translation>Specificare le dimensioni della griglia</translation>
    </message>
    <message id="Determines the highest value that can be measured before a warning is shown">
        <source></source>
        <translation>Determina il valore più alto misurabile prima che venga visualizzato un avviso</translation>
    </message>
    <message id="Determines the lowest value that can be measured before a warning is shown">
        <source></source>
        <translation>Determina il valore più basso misurabile prima che venga visualizzato un avviso</translation>
    </message>
    <message id="Specify the limits to measure to">
        <source></source>
        <translation>Specificare i limiti di misura</translation>
    </message>
    <message id="Completing the Template Batch Wizard">
        <source></source>
        <translation>Completamento della procedura guidata serie modello</translation>
    </message>
    <message id="The wizard is complete.&#13;&#10;&#13;&#10;Click Finish to return.">
        <source></source>
        <translation>La procedura guidata è completata.<byte value="xd"/>
<byte value="xd"/>
Fare clic su Fine per tornare.</translation>
    </message>
    <message id="Grid Spacing (%1)">
        <source></source>
        <translation>Passo della griglia (%1)</translation>
    </message>
    <message id="Apply High Limit (%1)">
        <source></source>
        <translation>Applica limite superiore (%1)</translation>
    </message>
    <message id="Apply Low Limit (%1)">
        <source></source>
        <translation>Applica limite inferiore (%1)</translation>
    </message>
    <message id="Enter valid grid spacing (%1 to %2)">
        <source></source>
        <translation>Inserire un passo della griglia valido (da %1 a %2)</translation>
    </message>
    <message id="High limit must be larger than low limit">
        <source></source>
        <translation>Il limite superiore deve essere maggiore del limite inferiore</translation>
    </message>
    <message id="Uploaded">
        <source></source>
        <translation>Inviato</translation>
    </message>
    <message id="Grouped">
        <source></source>
        <translation>Raggruppato</translation>
    </message>
    <message id="New Template">
        <source></source>
        <translation>Nuovo modello</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Modifica</translation>
    </message>
    <message id="Group">
        <source></source>
        <translation>Raggruppa</translation>
    </message>
    <message id="Ungroup">
        <source></source>
        <translation>Separa</translation>
    </message>
    <message id="A template with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Esiste già un modello con il nome specificato. Specificare un nome diverso.</translation>
    </message>
    <message id="Are you sure you want to delete these %1 templates?">
        <source></source>
        <translation>Eliminare questi %1 modelli?</translation>
    </message>
    <message id="Are you sure you want to delete this template batch?">
        <source></source>
        <translation>Eliminare questa serie modello?</translation>
    </message>
    <message id="Are you sure you want to delete the selected batches?">
        <source></source>
        <translation>Eliminare le serie selezionate?</translation>
    </message>
    <message id="Upload Template">
        <source></source>
        <translation>Invia modello</translation>
    </message>
    <message id="Select template(s) to upload to the gauge:">
        <source></source>
        <translation>Selezionare i modelli da inviare allo strumento:</translation>
    </message>
    <message id="Use Batch Order">
        <source></source>
        <translation>Usa l&apos;ordine delle serie</translation>
    </message>
    <message id="Use Upload Count">
        <source></source>
        <translation>Usa il contatore degli invii</translation>
    </message>
    <message id="Upload Wizard">
        <source></source>
        <translation>Procedura guidata di invio</translation>
    </message>
    <message id="Welcome to the Upload Wizard">
        <source></source>
        <translation>Benvenuti nella procedura guidata di invio</translation>
    </message>
    <message id="This wizard will allow you to upload template(s) to a gauge.">
        <source></source>
        <translation>Questa procedura guidata consente di inviare modelli a uno strumento.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the order of the batch definitions in the template.">
        <source></source>
        <translation>L&apos;ID serie è formato dal nome del modello e dall&apos;ordine delle definizioni delle serie nel modello.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the total number of times the template has been uploaded.">
        <source></source>
        <translation>L&apos;ID serie è formato dal nome del modello e dal numero totale di invii del modello.</translation>
    </message>
    <message id="Batch IDs">
        <source></source>
        <translation>ID delle serie</translation>
    </message>
    <message id="Specify the batch naming method ">
        <source></source>
        <translation>Specificare il metodo di denominazione delle serie </translation>
    </message>
    <message id="Enter the default tags that will be copied to all the batches in this template.">
        <source></source>
        <translation>Inserire le etichette predefinite che verranno copiate in tutte le serie di questo modello.</translation>
    </message>
    <message id="Default Tags">
        <source></source>
        <translation>Etichette predefinite</translation>
    </message>
    <message id="Enter the default tags">
        <source></source>
        <translation>Inserire le etichette predefinite</translation>
    </message>
    <message id="Enter the changes in tags from the default for the batches.">
        <source></source>
        <translation>Inserire le etichette delle serie che differiscono da quelle predefinite.</translation>
    </message>
    <message id="Batch Tags">
        <source></source>
        <translation>Etichette della serie</translation>
    </message>
    <message id="Enter the tags for specific batches">
        <source></source>
        <translation>Inserire le etichette delle singole serie</translation>
    </message>
    <message id="Completing the Upload Wizard">
        <source></source>
        <translation>Completamento della procedura guidata di invio</translation>
    </message>
    <message id="Batches">
        <source></source>
        <translation>Serie</translation>
    </message>
    <message id="&lt; &amp;Back">
        <source></source>
        <translation>&lt; &amp;Indietro</translation>
    </message>
    <message id="&amp;Next &gt;">
        <source></source>
        <translation>&amp;Avanti &gt;</translation>
    </message>
    <message id="&amp;Finish">
        <source></source>
        <translation>&amp;Fine</translation>
    </message>
    <message id="3D">
        <source></source>
        <translation>3D</translation>
    </message>
    <message id="Alignment">
        <source></source>
        <translation>Allineamento</translation>
    </message>
    <message id="AspectRatio">
        <source></source>
        <translation>Proporzioni</translation>
    </message>
    <message id="BarColor">
        <source></source>
        <translation>Colore barra</translation>
    </message>
    <message id="BarGap">
        <source></source>
        <translation>Distanza tra le barre</translation>
    </message>
    <message id="BatchType">
        <source></source>
        <translation>Tipo di serie</translation>
    </message>
    <message id="Bold">
        <source></source>
        <translation>Grassetto</translation>
    </message>
    <message id="CellFontSize">
        <source></source>
        <translation>Dimensione carattere celle</translation>
    </message>
    <message id="CellText">
        <source></source>
        <translation>Testo cella</translation>
    </message>
    <message id="ChartType">
        <source></source>
        <translation>Tipo di grafico</translation>
    </message>
    <message id="ColorGradiant">
        <source></source>
        <translation>Sfumatura di colore</translation>
    </message>
    <message id="FillColor">
        <source></source>
        <translation>Colore di riempimento</translation>
    </message>
    <message id="FillStyle">
        <source></source>
        <translation>Stile di riempimento</translation>
    </message>
    <message id="FontName">
        <source></source>
        <translation>Carattere</translation>
    </message>
    <message id="FontSize">
        <source></source>
        <translation>Dimensione carattere</translation>
    </message>
    <message id="GreyScale">
        <source></source>
        <translation>Scala di grigi</translation>
    </message>
    <message id="GridColumnsPerPage">
        <source></source>
        <translation>Colonne della griglia per pagina</translation>
    </message>
    <message id="GridLineMethod">
        <source></source>
        <translation>Metodo delle linee della griglia</translation>
    </message>
    <message id="GridLineSpacing">
        <source></source>
        <translation>Distanza tra le linee della griglia</translation>
    </message>
    <message id="GridLines">
        <source></source>
        <translation>Linee della griglia</translation>
    </message>
    <message id="GridRowsPerPage">
        <source></source>
        <translation>Righe della griglia per pagina</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Altezza</translation>
    </message>
    <message id="Italic">
        <source></source>
        <translation>Corsivo</translation>
    </message>
    <message id="KeySteps">
        <source></source>
        <translation>Gradini della legenda</translation>
    </message>
    <message id="LinearColumnsPerPage">
        <source></source>
        <translation>Colonne lineari per pagina</translation>
    </message>
    <message id="LinearRowsPerPage">
        <source></source>
        <translation>Righe lineari per pagina</translation>
    </message>
    <message id="LineStyle">
        <source></source>
        <translation>Stile della linea</translation>
    </message>
    <message id="LineWidth">
        <source></source>
        <translation>Spessore della linea</translation>
    </message>
    <message id="PageHeight">
        <source></source>
        <translation>Altezza pagina</translation>
    </message>
    <message id="PageOrientation">
        <source></source>
        <translation>Orientamento pagina</translation>
    </message>
    <message id="PageType">
        <source></source>
        <translation>Tipo di pagina</translation>
    </message>
    <message id="PageWidth">
        <source></source>
        <translation>Larghezza pagina</translation>
    </message>
    <message id="PaperSize">
        <source></source>
        <translation>Formato carta</translation>
    </message>
    <message id="PrimaryBatchType">
        <source></source>
        <translation>Tipo di serie principale</translation>
    </message>
    <message id="ShowLegend">
        <source></source>
        <translation>Mostra legenda</translation>
    </message>
    <message id="ShowMarkFrame">
        <source></source>
        <translation>Mostra cornice di marcatura</translation>
    </message>
    <message id="SquareCells">
        <source></source>
        <translation>Celle quadrate</translation>
    </message>
    <message id="Strikeout">
        <source></source>
        <translation>Barrato</translation>
    </message>
    <message id="Text">
        <source></source>
        <translation>Testo</translation>
    </message>
    <message id="Underline">
        <source></source>
        <translation>Sottolineato</translation>
    </message>
    <message id="WarningLimit">
        <source></source>
        <translation>Limite di avviso</translation>
    </message>
    <message id="WarningLimitHalfCell">
        <source></source>
        <translation>Limite di avviso semicella</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Larghezza</translation>
    </message>
    <message id="WordWrap">
        <source></source>
        <translation>A capo automatico</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Salva</translation>
    </message>
    <message id="Save and Exit">
        <source></source>
        <translation>Salva ed esci</translation>
    </message>
    <message id="Abandon and Exit">
        <source></source>
        <translation>Abbandona ed esci</translation>
    </message>
    <message id="Snap">
        <source></source>
        <translation>Aggancia</translation>
    </message>
    <message id="Bring to Front">
        <source></source>
        <translation>Porta in primo piano</translation>
    </message>
    <message id="Send to Back">
        <source></source>
        <translation>Porta in secondo piano</translation>
    </message>
    <message id="Batch readings incomplete">
        <source></source>
        <translation>Letture della serie incomplete</translation>
    </message>
    <message id="Invalid slot number">
        <source></source>
        <translation>Numero di posizione di memoria non valido</translation>
    </message>
    <message id="New Report">
        <source></source>
        <translation>Nuovo rapporto</translation>
    </message>
    <message id="New Page">
        <source></source>
        <translation>Nuova pagina</translation>
    </message>
    <message id="Move Up">
        <source></source>
        <translation>Sposta su</translation>
    </message>
    <message id="Move Down">
        <source></source>
        <translation>Sposta giù</translation>
    </message>
    <message id="My Reports">
        <source></source>
        <translation>I miei rapporti</translation>
    </message>
    <message id="Tab Reports">
        <source></source>
        <translation>Rapporti a schede</translation>
    </message>
    <message id="Number">
        <source></source>
        <translation>Numero</translation>
    </message>
    <message id="Page Type">
        <source></source>
        <translation>Tipo di pagina</translation>
    </message>
    <message id="My Reports &gt; %1">
        <source></source>
        <translation>I miei rapporti &gt; %1</translation>
    </message>
    <message id="Tab Reports &gt; %1">
        <source></source>
        <translation>Rapporti a schede &gt; %1</translation>
    </message>
    <message id="A report with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Esiste già un rapporto con il nome specificato. Specificare un nome diverso.</translation>
    </message>
    <message id="The report '%1' no longer exists.">
        <source></source>
        <translation>Il rapporto &apos;%1&apos; non esiste più.</translation>
    </message>
    <message id="Are you sure you want to delete this report page?">
        <source></source>
        <translation>Eliminare questa pagina del rapporto?</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Pagina</translation>
    </message>
    <message id="User cancelled request">
        <source></source>
        <translation>Richiesta annullata dall&apos;utente</translation>
    </message>
    <message id="General MAPI failure">
        <source></source>
        <translation>Errore MAPI generico</translation>
    </message>
    <message id="Logon failure">
        <source></source>
        <translation>Accesso non riuscito</translation>
    </message>
    <message id="Disk full">
        <source></source>
        <translation>Disco pieno</translation>
    </message>
    <message id="Insufficient memory">
        <source></source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message id="Access denied">
        <source></source>
        <translation>Accesso negato</translation>
    </message>
    <message id="Too many sessions">
        <source></source>
        <translation>Troppe sessioni</translation>
    </message>
    <message id="Too many files open">
        <source></source>
        <translation>Troppi file aperti</translation>
    </message>
    <message id="Too many recipients">
        <source></source>
        <translation>Troppi destinatari</translation>
    </message>
    <message id="Attachment not found">
        <source></source>
        <translation>Allegato non trovato</translation>
    </message>
    <message id="Failed to open attachment">
        <source></source>
        <translation>Impossibile aprire l&apos;allegato</translation>
    </message>
    <message id="Failed to write attachment">
        <source></source>
        <translation>Impossibile scrivere l&apos;allegato</translation>
    </message>
    <message id="Unknown recipient">
        <source></source>
        <translation>Destinatario sconosciuto</translation>
    </message>
    <message id="Invalid recipient type">
        <source></source>
        <translation>Tipo di destinatario non valido</translation>
    </message>
    <message id="No messages">
        <source></source>
        <translation>Nessun messaggio</translation>
    </message>
    <message id="Invalid message">
        <source></source>
        <translation>Messaggio non valido</translation>
    </message>
    <message id="Text too large.">
        <source></source>
        <translation>Testo troppo lungo.</translation>
    </message>
    <message id="Invalid session">
        <source></source>
        <translation>Sessione non valida</translation>
    </message>
    <message id="Type not supported">
        <source></source>
        <translation>Tipo non supportato</translation>
    </message>
    <message id="Ambiguous recipient">
        <source></source>
        <translation>Destinatario ambiguo</translation>
    </message>
    <message id="Message in use">
        <source></source>
        <translation>Messaggio in uso</translation>
    </message>
    <message id="Network failure">
        <source></source>
        <translation>Errore di rete</translation>
    </message>
    <message id="Invalid edit fields">
        <source></source>
        <translation>Campi di modifica non validi</translation>
    </message>
    <message id="Invalid recipients">
        <source></source>
        <translation>Destinatari non validi</translation>
    </message>
    <message id="Not supported">
        <source></source>
        <translation>Non supportato</translation>
    </message>
    <message id="Unknown Error Code: ">
        <source></source>
        <translation>Codice di errore sconosciuto: </translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Stampa</translation>
    </message>
    <message id="PDF">
        <source></source>
        <translation>PDF</translation>
    </message>
    <message id="Mail">
        <source></source>
        <translation>E-mail</translation>
    </message>
    <message id="Reports:">
        <source></source>
        <translation>Rapporti:</translation>
    </message>
    <message id="Standard Report">
        <source></source>
        <translation>Rapporto standard</translation>
    </message>
    <message id="Orvalis Report">
        <source></source>
        <translation>Rapporto Orvalis</translation>
    </message>
    <message id="Save PDF Report As">
        <source></source>
        <translation>Salva rapporto PDF con nome</translation>
    </message>
    <message id="PDF Files (*.pdf);;All Files (*.*)">
        <source></source>
        <translation>File PDF (*.pdf);;Tutti i file (*.*)</translation>
    </message>
    <message id="Please find attached a report on the following batches:">
        <source></source>
        <translation>In allegato un rapporto sulle seguenti serie:</translation>
    </message>
    <message id="MAPI Error %1: %2">
        <source></source>
        <translation>Errore MAPI %1: %2</translation>
    </message>
    <message id="Invalid Grid Dimensions">
        <source></source>
        <translation>Dimensioni della griglia non valide</translation>
    </message>
    <message id="The clipboard holds no report page">
        <source></source>
        <translation>Gli appunti non contengono alcuna pagina di rapporto</translation>
    </message>
    <message id="Unable to rename '%1': %2">
        <source></source>
        <translation>Impossibile rinominare &apos;%1&apos;: %2</translation>
    </message>
    <message id="The connection to the gauge has ended. Nothing was uploaded.">
        <source></source>
        <translation>La connessione con lo strumento è terminata. Non è stato inviato nulla.</translation>
    </message>
    <message id="There is no display: no other program could paste a page from this clipboard">
        <source></source>
        <translation>Nessuno schermo: nessun altro programma potrebbe incollare una pagina da questi appunti</translation>
    </message>
    <message id="The file &quot;%1&quot; is larger than any batch file can be (at most %2 MB)">
        <source></source>
        <translation>Il file «%1» è più grande di quanto possa esserlo un file di serie (al massimo %2 MB)</translation>
    </message>
    <message id="The clipboard holds no page items">
        <source></source>
        <translation>Gli appunti non contengono elementi di pagina</translation>
    </message>
    <message id="No contour levels">
        <source></source>
        <translation>Nessun livello di isolinea</translation>
    </message>
    <message id="Contour levels (%1): %2">
        <source></source>
        <translation>Livelli delle isolinee (%1): %2</translation>
    </message>
    <message id="below %1">
        <source></source>
        <translation>sotto %1</translation>
    </message>
    <message id="%1 and above">
        <source></source>
        <translation>%1 e oltre</translation>
    </message>
    <message id="Contour maps need a grid batch">
        <source></source>
        <translation>Le mappe a isolinee richiedono una serie a griglia</translation>
    </message>
    <message id="The contour step must be a positive number">
        <source></source>
        <translation>L&apos;equidistanza delle isolinee deve essere un numero positivo</translation>
    </message>
    <message id="The contour step gives more than %1 levels">
        <source></source>
        <translation>L&apos;equidistanza delle isolinee dà più di %1 livelli</translation>
    </message>
    <message id="&quot;%1&quot; is not a contour level">
        <source></source>
        <translation>«%1» non è un livello di isolinea</translation>
    </message>
    <message id="Filled">
        <source></source>
        <translation>Riempito</translation>
    </message>
    <message id="LabelFontSize">
        <source></source>
        <translation>Dimensione etichette</translation>
    </message>
    <message id="Labels">
        <source></source>
        <translation>Etichette</translation>
    </message>
    <message id="Levels">
        <source></source>
        <translation>Livelli</translation>
    </message>
    <message id="StepCover">
        <source></source>
        <translation>Equidistanza copriferro</translation>
    </message>
    <message id="StepHalfCell">
        <source></source>
        <translation>Equidistanza semicella</translation>
    </message>
    <message id="Contour">
        <source></source>
        <translation>Isolinee</translation>
    </message>
    <message id="The demonstration gauge is not installed.">
        <source></source>
        <translation>Lo strumento dimostrativo non è installato.</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Nessuna risposta</translation>
    </message>
    <message id="The simulator ended at once">
        <source></source>
        <translation>Il simulatore è terminato subito</translation>
    </message>
    <message id="The demonstration gauge could not be started: %1">
        <source></source>
        <translation>Impossibile avviare lo strumento dimostrativo: %1</translation>
    </message>
    <message id="Choose Port...">
        <source></source>
        <translation>Scegli porta...</translation>
    </message>
    <message id="Demonstration gauge">
        <source></source>
        <translation>Strumento dimostrativo</translation>
    </message>
    <message id="Demonstration gauge (%1)">
        <source></source>
        <translation>Strumento dimostrativo (%1)</translation>
    </message>
    <message id="No gauge port is chosen.">
        <source></source>
        <translation>Nessuna porta scelta per lo strumento.</translation>
    </message>
    <message id="Choose the port your gauge is connected to, or the demonstration gauge, in Preferences.">
        <source></source>
        <translation>Scegli nelle Preferenze la porta a cui è collegato lo strumento, oppure lo strumento dimostrativo.</translation>
    </message>
    <message id="Opening %1...">
        <source></source>
        <translation>Apertura di %1...</translation>
    </message>
    <message id="Looking for a gauge on %1: trying %2 baud, %3 s so far.">
        <source></source>
        <translation>Ricerca di uno strumento su %1: prova a %2 baud, finora %3 s.</translation>
    </message>
    <message id="Check that the gauge is switched on and its cable is plugged in.">
        <source></source>
        <translation>Verifica che lo strumento sia acceso e il cavo collegato.</translation>
    </message>
    <message id="%1 cannot be opened.">
        <source></source>
        <translation>Impossibile aprire %1.</translation>
    </message>
    <message id="The connection on %1 has ended.">
        <source></source>
        <translation>La connessione su %1 è terminata.</translation>
    </message>
    <message id="Choose Refresh to try again.">
        <source></source>
        <translation>Scegli Aggiorna per riprovare.</translation>
    </message>
    <message id="Connected to %1, serial number %2.">
        <source></source>
        <translation>Connesso a %1, numero di serie %2.</translation>
    </message>
    <message id="This is the demonstration gauge: its batches are sample data.">
        <source></source>
        <translation>Questo è lo strumento dimostrativo: le sue serie sono dati di esempio.</translation>
    </message>
    <message id="The gauge holds no batches. Batches measured with the gauge are listed here.">
        <source></source>
        <translation>Lo strumento non contiene serie. Le serie misurate con lo strumento compaiono qui.</translation>
    </message>
    <message id="No templates yet. Choose New Template to make one.">
        <source></source>
        <translation>Ancora nessun modello. Scegli Nuovo modello per crearne uno.</translation>
    </message>
    <message id="No reports yet. Choose New Report to design one.">
        <source></source>
        <translation>Ancora nessun rapporto. Scegli Nuovo rapporto per progettarne uno.</translation>
    </message>
    <message id="This folder is empty. Download batches from the gauge, or choose New Batch, to fill it.">
        <source></source>
        <translation>Questa cartella è vuota. Scarica serie dallo strumento o scegli Nuova serie per riempirla.</translation>
    </message>
    <message id="Demonstration gauge (simulator)">
        <source></source>
        <translation>Strumento dimostrativo (simulatore)</translation>
    </message>
    <message id="The batch file was changed by another program since it was shown. Replace it with your change?">
        <source></source>
        <translation>Il file della serie è stato modificato da un altro programma da quando è stato mostrato. Sostituirlo con la tua modifica?</translation>
    </message>
    <message id="The storage folder %1 does not answer. If it is on a network drive, the server may not be reachable. The folders are shown as soon as it answers again.">
        <source></source>
        <translation>La cartella dei dati %1 non risponde. Se si trova su un&apos;unità di rete, il server potrebbe non essere raggiungibile. Le cartelle verranno mostrate non appena risponderà di nuovo.</translation>
    </message>
    <message id="Batch %1 (%2)">
        <source></source>
        <translation>Serie %1 (%2)</translation>
    </message>
    <message id="%1: no readings">
        <source></source>
        <translation>%1: nessuna lettura</translation>
    </message>
    <message id="%1: %2 readings, Min %3, Max %4, Mean %5 %6">
        <source></source>
        <translation>%1: %2 letture, Min %3, Max %4, Media %5 %6</translation>
    </message>
    <message id="%1: %2 readings">
        <source></source>
        <translation>%1: %2 letture</translation>
    </message>
    <message id="Views">
        <source></source>
        <translation>Viste</translation>
    </message>
    <message id="Column %1, row %2">
        <source></source>
        <translation>Colonna %1, riga %2</translation>
    </message>
    <message id="Empty">
        <source></source>
        <translation>Vuota</translation>
    </message>
    <message id="Cumulative Distribution">
        <source></source>
        <translation>Distribuzione cumulativa</translation>
    </message>
    <message id="Difference Map">
        <source></source>
        <translation>Mappa delle differenze</translation>
    </message>
    <message id="%1 at %2 mm, %3 mm, %4 mm wide, %5 mm high">
        <source></source>
        <translation>%1 a %2 mm, %3 mm, largo %4 mm, alto %5 mm</translation>
    </message>
    <message id="%1 items">
        <source></source>
        <translation>%1 elementi</translation>
    </message>
    <message id="Items">
        <source></source>
        <translation>Elementi</translation>
    </message>
    <message id="Pages">
        <source></source>
        <translation>Pagine</translation>
    </message>
    <message id="Page %1">
        <source></source>
        <translation>Pagina %1</translation>
    </message>
    <message id="Files">
        <source></source>
        <translation>File</translation>
    </message>
    <message id="Commands">
        <source></source>
        <translation>Comandi</translation>
    </message>
    <message id="Selected Folder">
        <source></source>
        <translation>Cartella selezionata</translation>
    </message>
    <message id="Move to Tab Reports">
        <source></source>
        <translation>Sposta nei rapporti a schede</translation>
    </message>
    <message id="Move to My Reports">
        <source></source>
        <translation>Sposta in I miei rapporti</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="AutoCAD DXF, one drawing per batch (*.dxf)">
        <source></source>
        <translation>AutoCAD DXF, un disegno per serie (*.dxf)</translation>
    </message>
    <message id="&quot;%1&quot; names no export form: use .xlsx, .xls, .xml, .csv or .dxf">
        <source></source>
        <translation>«%1» non indica alcun formato di esportazione: usare .xlsx, .xls, .xml, .csv o .dxf</translation>
    </message>
    <message id="Batch: %1 (%2)">
        <source></source>
        <translation>Serie: %1 (%2)</translation>
    </message>
    <message id="Site: %1">
        <source></source>
        <translation>Cantiere: %1</translation>
    </message>
    <message id="Created: %1, updated: %2">
        <source></source>
        <translation>Creata: %1, modificata: %2</translation>
    </message>
    <message id="Units: %1">
        <source></source>
        <translation>Unità: %1</translation>
    </message>
    <message id="The drawing is incomplete">
        <source></source>
        <translation>Il disegno è incompleto</translation>
    </message>
</context>
</TS>
