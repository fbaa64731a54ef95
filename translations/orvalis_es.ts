<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name></name>
    <message id="Too many histogram bins">
        <source></source>
        <translation>Demasiadas clases de histograma</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Ninguno</translation>
    </message>
    <message id="Warning">
        <source></source>
        <translation>Advertencia</translation>
    </message>
    <message id="MaxMin">
        <source></source>
        <translation>MaxMin</translation>
    </message>
    <message id="Limits">
        <source></source>
        <translation>Límites</translation>
    </message>
    <message id="Threshold">
        <source></source>
        <translation>Umbral</translation>
    </message>
    <message id="File">
        <source></source>
        <translation>Archivo</translation>
    </message>
    <message id="Batch ID">
        <source></source>
        <translation>ID de serie</translation>
    </message>
    <message id="Batch Type">
        <source></source>
        <translation>Tipo de serie</translation>
    </message>
    <message id="Batch Format">
        <source></source>
        <translation>Formato de serie</translation>
    </message>
    <message id="Columns">
        <source></source>
        <translation>Columnas</translation>
    </message>
    <message id="Rows">
        <source></source>
        <translation>Filas</translation>
    </message>
    <message id="Slot">
        <source></source>
        <translation>Posición de memoria</translation>
    </message>
    <message id="Creation Date">
        <source></source>
        <translation>Fecha de creación</translation>
    </message>
    <message id="Update Date">
        <source></source>
        <translation>Fecha de modificación</translation>
    </message>
    <message id="Site">
        <source></source>
        <translation>Obra</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Ubicación</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>Zona</translation>
    </message>
    <message id="Engineer">
        <source></source>
        <translation>Ingeniero</translation>
    </message>
    <message id="Customer">
        <source></source>
        <translation>Cliente</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Nota</translation>
    </message>
    <message id="Grid">
        <source></source>
        <translation>Cuadrícula</translation>
    </message>
    <message id="High Limit">
        <source></source>
        <translation>Límite superior</translation>
    </message>
    <message id="applied">
        <source></source>
        <translation>aplicado</translation>
    </message>
    <message id="not applied">
        <source></source>
        <translation>no aplicado</translation>
    </message>
    <message id="Low Limit">
        <source></source>
        <translation>Límite inferior</translation>
    </message>
    <message id="Probe">
        <source></source>
        <translation>Sonda</translation>
    </message>
    <message id="Gauge Serial Number">
        <source></source>
        <translation>Número de serie del equipo</translation>
    </message>
    <message id="Bar Series">
        <source></source>
        <translation>Serie de barras</translation>
    </message>
    <message id="Bar Size">
        <source></source>
        <translation>Diámetro de barra</translation>
    </message>
    <message id="Bar Grade">
        <source></source>
        <translation>Calidad del acero</translation>
    </message>
    <message id="Cell Type">
        <source></source>
        <translation>Tipo de electrodo</translation>
    </message>
    <message id="Gauge Cell Type">
        <source></source>
        <translation>Tipo de electrodo del equipo</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Temperatura</translation>
    </message>
    <message id="Readings">
        <source></source>
        <translation>Lecturas</translation>
    </message>
    <message id="Valid Readings">
        <source></source>
        <translation>Lecturas válidas</translation>
    </message>
    <message id="Reading Positions">
        <source></source>
        <translation>Posiciones de lectura</translation>
    </message>
    <message id="Last Reading Position">
        <source></source>
        <translation>Última posición de lectura</translation>
    </message>
    <message id="Mean">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="Standard Deviation">
        <source></source>
        <translation>Desviación típica</translation>
    </message>
    <message id="Max">
        <source></source>
        <translation>Máx</translation>
    </message>
    <message id="Min">
        <source></source>
        <translation>Mín</translation>
    </message>
    <message id="Range">
        <source></source>
        <translation>Rango</translation>
    </message>
    <message id="Below Low Limit">
        <source></source>
        <translation>Por debajo del límite inferior</translation>
    </message>
    <message id="Above High Limit">
        <source></source>
        <translation>Por encima del límite superior</translation>
    </message>
    <message id="Over Range">
        <source></source>
        <translation>Por encima del rango</translation>
    </message>
    <message id="Under Range">
        <source></source>
        <translation>Por debajo del rango</translation>
    </message>
    <message id="Folder">
        <source></source>
        <translation>Carpeta</translation>
    </message>
    <message id="Batch">
        <source></source>
        <translation>Serie</translation>
    </message>
    <message id="Template">
        <source></source>
        <translation>Plantilla</translation>
    </message>
    <message id="Report">
        <source></source>
        <translation>Informe</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Otro</translation>
    </message>
    <message id="Unknown argument &quot;%1&quot;">
        <source></source>
        <translation>Argumento desconocido «%1»</translation>
    </message>
    <message id="No folder given">
        <source></source>
        <translation>No se ha indicado ninguna carpeta</translation>
    </message>
    <message id="Folder not found: %1">
        <source></source>
        <translation>Carpeta no encontrada: %1</translation>
    </message>
    <message id="There are no batches to export">
        <source></source>
        <translation>No hay series que exportar</translation>
    </message>
    <message id="%1 (%2)">
        <source></source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="The batch file's %1 holds an invalid item &quot;%2&quot; at position %3">
        <source></source>
        <translation>El campo %1 del archivo de serie contiene un elemento no válido «%2» en la posición %3</translation>
    </message>
    <message id="The batch file's %1 holds %2 items where %3 cells are expected">
        <source></source>
        <translation>El campo %1 del archivo de serie contiene %2 elementos donde se esperan %3 celdas</translation>
    </message>
    <message id="The batch file's %1 &quot;%2&quot; is not a valid date and time">
        <source></source>
        <translation>El campo %1 «%2» del archivo de serie no es una fecha y hora válida</translation>
    </message>
    <message id="The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)">
        <source></source>
        <translation>El tamaño del archivo de serie de %1 columnas por %2 filas no es válido (como máximo %3 celdas)</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>Lineal</translation>
    </message>
    <message id="Cover">
        <source></source>
        <translation>Recubrimiento</translation>
    </message>
    <message id="Half Cell">
        <source></source>
        <translation>Semicelda</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Métrico</translation>
    </message>
    <message id="Imperial">
        <source></source>
        <translation>Imperial</translation>
    </message>
    <message id="ASTM/Canadian">
        <source></source>
        <translation>ASTM/Canadiense</translation>
    </message>
    <message id="Japanese">
        <source></source>
        <translation>Japonés</translation>
    </message>
    <message id="High Tensile">
        <source></source>
        <translation>Alta resistencia</translation>
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
        <translation>Tipo de serie no válido</translation>
    </message>
    <message id="mm">
        <source></source>
        <translation>mm</translation>
    </message>
    <message id="Cell index out of range">
        <source></source>
        <translation>Índice de celda fuera de rango</translation>
    </message>
    <message id="Cannot assign object to Batch item">
        <source></source>
        <translation>No se puede asignar el objeto a un elemento de serie</translation>
    </message>
    <message id="Invalid batch size %1 x %2: a batch holds at most %3 cells">
        <source></source>
        <translation>Tamaño de serie no válido %1 x %2: una serie contiene como máximo %3 celdas</translation>
    </message>
    <message id="Cell index out of range (%1, %2)">
        <source></source>
        <translation>Índice de celda fuera de rango (%1, %2)</translation>
    </message>
    <message id="Unable to locate bar series name">
        <source></source>
        <translation>No se encuentra el nombre de la serie de barras</translation>
    </message>
    <message id="Unknown bar series item">
        <source></source>
        <translation>Elemento de serie de barras desconocido</translation>
    </message>
    <message id="Invalid batch type - must be half-cell">
        <source></source>
        <translation>Tipo de serie no válido: debe ser de semicelda</translation>
    </message>
    <message id="Unable to convert data to cell type">
        <source></source>
        <translation>No se pueden convertir los datos al tipo de electrodo</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Sí</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>No</translation>
    </message>
    <message id="The batch is too large for a summary of %1 columns by %2 rows">
        <source></source>
        <translation>La serie es demasiado grande para una vista general de %1 columnas por %2 filas</translation>
    </message>
    <message id="File Path">
        <source></source>
        <translation>Ruta del archivo</translation>
    </message>
    <message id="High Limit Applied">
        <source></source>
        <translation>Límite superior aplicado</translation>
    </message>
    <message id="Low Limit Applied">
        <source></source>
        <translation>Límite inferior aplicado</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Unidad</translation>
    </message>
    <message id="List index out of bounds (%1)">
        <source></source>
        <translation>Índice de lista fuera de los límites (%1)</translation>
    </message>
    <message id="Invalid argument to date encode">
        <source></source>
        <translation>Argumento no válido para la codificación de la fecha</translation>
    </message>
    <message id="'%1' is not a valid date and time">
        <source></source>
        <translation>&apos;%1&apos; no es una fecha y hora válida</translation>
    </message>
    <message id="The folder already contains a file named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing file?">
        <source></source>
        <translation>La carpeta ya contiene un archivo llamado &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message id="Cell (%1, %2) lies outside the worksheet">
        <source></source>
        <translation>La celda (%1, %2) está fuera de la hoja de cálculo</translation>
    </message>
    <message id="The workbook stream ends inside a record header">
        <source></source>
        <translation>El flujo del libro termina dentro de un encabezado de registro</translation>
    </message>
    <message id="The workbook stream ends inside a record of type 0x%1">
        <source></source>
        <translation>El flujo del libro termina dentro de un registro de tipo 0x%1</translation>
    </message>
    <message id="The workbook has no sheet %1">
        <source></source>
        <translation>El libro no tiene la hoja %1</translation>
    </message>
    <message id="The workbook's sheet stream has no end">
        <source></source>
        <translation>El flujo de la hoja del libro no tiene final</translation>
    </message>
    <message id="The workbook's sheet %1 has no place for cells">
        <source></source>
        <translation>La hoja %1 del libro no tiene espacio para celdas</translation>
    </message>
    <message id="A workbook record of type 0x%1 is too long">
        <source></source>
        <translation>Un registro del libro de tipo 0x%1 es demasiado largo</translation>
    </message>
    <message id="Cannot assign object to File item">
        <source></source>
        <translation>No se puede asignar el objeto a un elemento de archivo</translation>
    </message>
    <message id="Cannot save file that is not loaded">
        <source></source>
        <translation>No se puede guardar un archivo que no está cargado</translation>
    </message>
    <message id="Invalid file name in folder cache">
        <source></source>
        <translation>Nombre de archivo no válido en la caché de la carpeta</translation>
    </message>
    <message id="Copy of file and folders canceled">
        <source></source>
        <translation>Copia de archivo y carpetas cancelada</translation>
    </message>
    <message id="The folder already contains a folder named '%1'&#13;&#10;&#13;&#10;If the files in the existing folder have the same name as the files in the&#13;&#10;folder you are moving or copying, they will be replaced.  Do you still&#13;&#10;want to move or copy the folder?">
        <source></source>
        <translation>La carpeta ya contiene una carpeta llamada &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Si los archivos de la carpeta existente tienen el mismo nombre que los archivos de la<byte value="xd"/>
carpeta que está moviendo o copiando, se reemplazarán.  ¿Desea mover o copiar<byte value="xd"/>
la carpeta de todos modos?</translation>
    </message>
    <message id="Destination same as source folder">
        <source></source>
        <translation>El destino es igual a la carpeta de origen</translation>
    </message>
    <message id="Unable to create directories">
        <source></source>
        <translation>No se pueden crear los directorios</translation>
    </message>
    <message id="Cannot read from the source file or disk">
        <source></source>
        <translation>No se puede leer del archivo de origen o del disco</translation>
    </message>
    <message id="Unable to delete file %1">
        <source></source>
        <translation>No se puede eliminar el archivo %1</translation>
    </message>
    <message id="Unable to move file %1">
        <source></source>
        <translation>No se puede mover el archivo %1</translation>
    </message>
    <message id="Unable to delete directory %1">
        <source></source>
        <translation>No se puede eliminar el directorio %1</translation>
    </message>
    <message id="Copy of %1">
        <source></source>
        <translation>Copia de %1</translation>
    </message>
    <message id="Copy (%1) of %2">
        <source></source>
        <translation>Copia (%1) de %2</translation>
    </message>
    <message id="Unable to copy, too many &quot;Copy of&quot; files">
        <source></source>
        <translation>No se puede copiar, hay demasiados archivos «Copia de»</translation>
    </message>
    <message id="Unable to create file/folder, too many default named items.">
        <source></source>
        <translation>No se puede crear el archivo o la carpeta, hay demasiados elementos con el nombre predeterminado.</translation>
    </message>
    <message id="Can not get locale info">
        <source></source>
        <translation>No se puede obtener la información de configuración regional</translation>
    </message>
    <message id="Unable to assign object to TSettingsItem">
        <source></source>
        <translation>No se puede asignar el objeto a TSettingsItem</translation>
    </message>
    <message id="Unable to assign object to TSettings">
        <source></source>
        <translation>No se puede asignar el objeto a TSettings</translation>
    </message>
    <message id="My DozazEdivo Data">
        <source></source>
        <translation>My DozazEdivo Data</translation>
    </message>
    <message id="Unable to store the storage directory in the configuration file">
        <source></source>
        <translation>No se puede guardar el directorio de datos en el archivo de configuración</translation>
    </message>
    <message id="Cannot assign object to Template item">
        <source></source>
        <translation>No se puede asignar el objeto a un elemento de plantilla</translation>
    </message>
    <message id="Cannot create file &quot;%1&quot;. %2">
        <source></source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
    <message id="Cannot write file &quot;%1&quot;. %2">
        <source></source>
        <translation>No se puede escribir el archivo «%1». %2</translation>
    </message>
    <message id="Cannot open file &quot;%1&quot;. %2">
        <source></source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message id="Invalid cover unit type">
        <source></source>
        <translation>Unidad de recubrimiento no válida</translation>
    </message>
    <message id="Invalid temperature unit type">
        <source></source>
        <translation>Unidad de temperatura no válida</translation>
    </message>
    <message id="Custom">
        <source></source>
        <translation>Personalizado</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Predeterminado</translation>
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
        <translation>Carta</translation>
    </message>
    <message id="Tabloid">
        <source></source>
        <translation>Tabloide</translation>
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
        <translation>Ancho de clase del histograma no válido</translation>
    </message>
    <message id="Communications Error: (%1)">
        <source></source>
        <translation>Error de comunicaciones: (%1)</translation>
    </message>
    <message id="Read data timeout">
        <source></source>
        <translation>Tiempo de espera agotado al leer los datos</translation>
    </message>
    <message id="Basic model not supported.">
        <source></source>
        <translation>El modelo básico no es compatible.</translation>
    </message>
    <message id="Unexpected error">
        <source></source>
        <translation>Error inesperado</translation>
    </message>
    <message id="Polling on Port %1">
        <source></source>
        <translation>Sondeando el puerto %1</translation>
    </message>
    <message id="Polling on %1">
        <source></source>
        <translation>Sondeando %1</translation>
    </message>
    <message id="Retrieving Batch List...">
        <source></source>
        <translation>Obteniendo la lista de series...</translation>
    </message>
    <message id="Retrieving Batch Headers...">
        <source></source>
        <translation>Obteniendo los encabezados de las series...</translation>
    </message>
    <message id="Retrieving Batch Readings...">
        <source></source>
        <translation>Obteniendo las lecturas de las series...</translation>
    </message>
    <message id="Writing Templates...">
        <source></source>
        <translation>Escribiendo las plantillas...</translation>
    </message>
    <message id="Unable to handle existing batch">
        <source></source>
        <translation>No se puede procesar la serie existente</translation>
    </message>
    <message id="Deleting Batches...">
        <source></source>
        <translation>Eliminando series...</translation>
    </message>
    <message id="Invalid port number %1">
        <source></source>
        <translation>Número de puerto no válido %1</translation>
    </message>
    <message id="Unable to store the serial port table in the configuration file">
        <source></source>
        <translation>No se puede guardar la tabla de puertos serie en el archivo de configuración</translation>
    </message>
    <message id="Pseudo-terminal">
        <source></source>
        <translation>Pseudoterminal</translation>
    </message>
    <message id="Communications Error: (Port not open)">
        <source></source>
        <translation>Error de comunicaciones: (puerto no abierto)</translation>
    </message>
    <message id="Communications Error">
        <source></source>
        <translation>Error de comunicaciones</translation>
    </message>
    <message id="Permission denied on %1: add your user to the dialout group and log in again.">
        <source></source>
        <translation>Permiso denegado en %1: añada su usuario al grupo dialout y vuelva a iniciar sesión.</translation>
    </message>
    <message id="Write data failed">
        <source></source>
        <translation>Error al escribir los datos</translation>
    </message>
    <message id="Unable to set baud rate">
        <source></source>
        <translation>No se puede ajustar la velocidad en baudios</translation>
    </message>
    <message id="Read Packet timeout">
        <source></source>
        <translation>Tiempo de espera agotado al leer el paquete</translation>
    </message>
    <message id="No response to command">
        <source></source>
        <translation>No hay respuesta al comando</translation>
    </message>
    <message id="Invalid response to command">
        <source></source>
        <translation>Respuesta no válida al comando</translation>
    </message>
    <message id="Must support command">
        <source></source>
        <translation>El comando debe ser compatible</translation>
    </message>
    <message id="Communications Error: ('%1' is not a valid hexadecimal value)">
        <source></source>
        <translation>Error de comunicaciones: (&apos;%1&apos; no es un valor hexadecimal válido)</translation>
    </message>
    <message id="Unknown Batch Type">
        <source></source>
        <translation>Tipo de serie desconocido</translation>
    </message>
    <message id="Unknown Batch Format">
        <source></source>
        <translation>Formato de serie desconocido</translation>
    </message>
    <message id="Unknown Batch Series">
        <source></source>
        <translation>Serie de barras desconocida</translation>
    </message>
    <message id="Unexpected packet type">
        <source></source>
        <translation>Tipo de paquete inesperado</translation>
    </message>
    <message id="Data item out of expected batch dimensions">
        <source></source>
        <translation>Dato fuera de las dimensiones esperadas de la serie</translation>
    </message>
    <message id="Unknown Bar Grade">
        <source></source>
        <translation>Calidad del acero desconocida</translation>
    </message>
    <message id="Invalid Batch Format">
        <source></source>
        <translation>Formato de serie no válido</translation>
    </message>
    <message id="Gauge memory full">
        <source></source>
        <translation>Memoria del equipo llena</translation>
    </message>
    <message id="Batch already exists">
        <source></source>
        <translation>La serie ya existe</translation>
    </message>
    <message id="Top Left">
        <source></source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message id="Top Middle">
        <source></source>
        <translation>Arriba al centro</translation>
    </message>
    <message id="Top Right">
        <source></source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message id="Middle Left">
        <source></source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message id="Middle Middle">
        <source></source>
        <translation>En el centro</translation>
    </message>
    <message id="Middle Right">
        <source></source>
        <translation>En medio a la derecha</translation>
    </message>
    <message id="Bottom Left">
        <source></source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message id="Bottom Middle">
        <source></source>
        <translation>Abajo al centro</translation>
    </message>
    <message id="Bottom Right">
        <source></source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Izquierda</translation>
    </message>
    <message id="Top">
        <source></source>
        <translation>Arriba</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Derecha</translation>
    </message>
    <message id="Bottom">
        <source></source>
        <translation>Abajo</translation>
    </message>
    <message id="Cover Batch">
        <source></source>
        <translation>Serie de recubrimiento</translation>
    </message>
    <message id="Half Cell Batch">
        <source></source>
        <translation>Serie de semicelda</translation>
    </message>
    <message id="Item name already in use.">
        <source></source>
        <translation>El nombre del elemento ya está en uso.</translation>
    </message>
    <message id="Cannot assign object to Page item">
        <source></source>
        <translation>No se puede asignar el objeto a un elemento de página</translation>
    </message>
    <message id="Opening Page">
        <source></source>
        <translation>Página inicial</translation>
    </message>
    <message id="Inner Page">
        <source></source>
        <translation>Página interior</translation>
    </message>
    <message id="Closing Page">
        <source></source>
        <translation>Página final</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Vertical</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Horizontal</translation>
    </message>
    <message id="Invalid Page Orientation">
        <source></source>
        <translation>Orientación de página no válida</translation>
    </message>
    <message id="Class %1 not found">
        <source></source>
        <translation>No se encuentra la clase %1</translation>
    </message>
    <message id="Cannot assign object to Page object">
        <source></source>
        <translation>No se puede asignar el objeto a un objeto de página</translation>
    </message>
    <message id="Too many items, please rename some.">
        <source></source>
        <translation>Demasiados elementos, cambie el nombre de algunos.</translation>
    </message>
    <message id="C:\Documents and Settings\ExampleUser\My Documents\My DozazEdivo Data\">
        <source></source>
        <translation>C:\Documents and Settings\Usuario\Mis documentos\My DozazEdivo Data\</translation>
    </message>
    <message id="CellColour">
        <source></source>
        <translation>Color de celda</translation>
    </message>
    <message id="WarningLimitCover">
        <source></source>
        <translation>Límite de aviso de recubrimiento</translation>
    </message>
    <message id="Report Value">
        <source></source>
        <translation>Valor del informe</translation>
    </message>
    <message id="Every Cell">
        <source></source>
        <translation>Cada celda</translation>
    </message>
    <message id="GradientMethod">
        <source></source>
        <translation>Método de degradado</translation>
    </message>
    <message id="LineColour">
        <source></source>
        <translation>Color de línea</translation>
    </message>
    <message id="Line">
        <source></source>
        <translation>Línea</translation>
    </message>
    <message id="Bar">
        <source></source>
        <translation>Barra</translation>
    </message>
    <message id="BatchID">
        <source></source>
        <translation>ID de serie</translation>
    </message>
    <message id="FilePath">
        <source></source>
        <translation>Ruta del archivo</translation>
    </message>
    <message id="TodaysDate">
        <source></source>
        <translation>Fecha de hoy</translation>
    </message>
    <message id="CreateDate">
        <source></source>
        <translation>Fecha de creación</translation>
    </message>
    <message id="UpdateDate">
        <source></source>
        <translation>Fecha de modificación</translation>
    </message>
    <message id="BatchFormat">
        <source></source>
        <translation>Formato de serie</translation>
    </message>
    <message id="HighLimit">
        <source></source>
        <translation>Límite superior</translation>
    </message>
    <message id="LowLimit">
        <source></source>
        <translation>Límite inferior</translation>
    </message>
    <message id="GridSpacing">
        <source></source>
        <translation>Paso de cuadrícula</translation>
    </message>
    <message id="BarSeries">
        <source></source>
        <translation>Serie de barras</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Diámetro de barra</translation>
    </message>
    <message id="MeanAverage">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="StandardDeviation">
        <source></source>
        <translation>Desviación típica</translation>
    </message>
    <message id="BelowLowLimit">
        <source></source>
        <translation>Por debajo del límite inferior</translation>
    </message>
    <message id="AboveHighLimit">
        <source></source>
        <translation>Por encima del límite superior</translation>
    </message>
    <message id="PerBelowLowLimit">
        <source></source>
        <translation>Porcentaje por debajo del límite inferior</translation>
    </message>
    <message id="PerAboveHighLimit">
        <source></source>
        <translation>Porcentaje por encima del límite superior</translation>
    </message>
    <message id="PageNumber">
        <source></source>
        <translation>Número de página</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unidades</translation>
    </message>
    <message id="OverRange">
        <source></source>
        <translation>Por encima del rango</translation>
    </message>
    <message id="UnderRange">
        <source></source>
        <translation>Por debajo del rango</translation>
    </message>
    <message id="PerOverRange">
        <source></source>
        <translation>Porcentaje por encima del rango</translation>
    </message>
    <message id="PerUnderRange">
        <source></source>
        <translation>Porcentaje por debajo del rango</translation>
    </message>
    <message id="CellType">
        <source></source>
        <translation>Tipo de electrodo</translation>
    </message>
    <message id="BarGrade">
        <source></source>
        <translation>Calidad del acero</translation>
    </message>
    <message id="Todays Date">
        <source></source>
        <translation>Fecha de hoy</translation>
    </message>
    <message id="Create Date">
        <source></source>
        <translation>Creado el</translation>
    </message>
    <message id="Grid Spacing">
        <source></source>
        <translation>Paso de cuadrícula</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Media</translation>
    </message>
    <message id="Std. Dev.">
        <source></source>
        <translation>Desv. típ.</translation>
    </message>
    <message id="n &lt; Limit">
        <source></source>
        <translation>n &lt; límite</translation>
    </message>
    <message id="n &gt; Limit">
        <source></source>
        <translation>n &gt; límite</translation>
    </message>
    <message id="% &lt; Limit">
        <source></source>
        <translation>% &lt; límite</translation>
    </message>
    <message id="% &gt; Limit">
        <source></source>
        <translation>% &gt; límite</translation>
    </message>
    <message id="Page No.">
        <source></source>
        <translation>Pág. n.º</translation>
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
        <translation>Color de fuente</translation>
    </message>
    <message id="Data values only available on inner pages">
        <source></source>
        <translation>Valores de datos disponibles solo en páginas interiores</translation>
    </message>
    <message id="-">
        <source></source>
        <translation>-</translation>
    </message>
    <message id="Rectangle">
        <source></source>
        <translation>Rectángulo</translation>
    </message>
    <message id="Horizontal Line">
        <source></source>
        <translation>Línea horizontal</translation>
    </message>
    <message id="Vertical Line">
        <source></source>
        <translation>Línea vertical</translation>
    </message>
    <message id="True">
        <source></source>
        <translation>Verdadero</translation>
    </message>
    <message id="False">
        <source></source>
        <translation>Falso</translation>
    </message>
    <message id="Bitmaps">
        <source></source>
        <translation>Mapas de bits</translation>
    </message>
    <message id="Unable to compress picture">
        <source></source>
        <translation>No se puede comprimir la imagen</translation>
    </message>
    <message id="Unable to load picture file %1">
        <source></source>
        <translation>No se puede cargar el archivo de imagen %1</translation>
    </message>
    <message id="Cannot assign object to VentraxGraphic">
        <source></source>
        <translation>No se puede asignar el objeto a VentraxGraphic</translation>
    </message>
    <message id="(None)">
        <source></source>
        <translation>(Ninguno)</translation>
    </message>
    <message id="(Graphic)">
        <source></source>
        <translation>(Gráfico)</translation>
    </message>
    <message id="Invalid property value">
        <source></source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message id="Invalid boolean value '%1'">
        <source></source>
        <translation>Valor booleano no válido &apos;%1&apos;</translation>
    </message>
    <message id="Invalid brush style '%1'">
        <source></source>
        <translation>Estilo de pincel no válido &apos;%1&apos;</translation>
    </message>
    <message id="Invalid pen style '%1'">
        <source></source>
        <translation>Estilo de lápiz no válido &apos;%1&apos;</translation>
    </message>
    <message id="Cannot copy value to property.">
        <source></source>
        <translation>No se puede copiar el valor en la propiedad.</translation>
    </message>
    <message id="Property does not exist">
        <source></source>
        <translation>La propiedad no existe</translation>
    </message>
    <message id="Expecting property list">
        <source></source>
        <translation>Se esperaba una lista de propiedades</translation>
    </message>
    <message id="Page does not exist">
        <source></source>
        <translation>La página no existe</translation>
    </message>
    <message id="Unable to start the print job">
        <source></source>
        <translation>No se puede iniciar el trabajo de impresión</translation>
    </message>
    <message id="Unable to start a new page">
        <source></source>
        <translation>No se puede comenzar una página nueva</translation>
    </message>
    <message id="Unable to write the PDF document information">
        <source></source>
        <translation>No se puede escribir la información del documento PDF</translation>
    </message>
    <message id="Unable to write the PDF file %1">
        <source></source>
        <translation>No se puede escribir el archivo PDF %1</translation>
    </message>
    <message id="Unable to write the picture %1: %2">
        <source></source>
        <translation>No se puede escribir la imagen %1: %2</translation>
    </message>
    <message id="Enlarge">
        <source></source>
        <translation>Ampliar</translation>
    </message>
    <message id="Show or hide the folder list">
        <source></source>
        <translation>Mostrar u ocultar la lista de carpetas</translation>
    </message>
    <message id="Header">
        <source></source>
        <translation>Encabezado</translation>
    </message>
    <message id="Measurements">
        <source></source>
        <translation>Mediciones</translation>
    </message>
    <message id="Unable to modify multiple batch items.">
        <source></source>
        <translation>No se pueden modificar varias series a la vez.</translation>
    </message>
    <message id="Unable to save the batch file %1">
        <source></source>
        <translation>No se puede guardar el archivo de serie %1</translation>
    </message>
    <message id="Applied">
        <source></source>
        <translation>Aplicado</translation>
    </message>
    <message id="File Location:">
        <source></source>
        <translation>Ubicación del archivo:</translation>
    </message>
    <message id="Batch ID:">
        <source></source>
        <translation>ID de serie:</translation>
    </message>
    <message id="Readings:">
        <source></source>
        <translation>Lecturas:</translation>
    </message>
    <message id="Date Created:">
        <source></source>
        <translation>Fecha de creación:</translation>
    </message>
    <message id="Date Updated:">
        <source></source>
        <translation>Fecha de modificación:</translation>
    </message>
    <message id="Batch Format:">
        <source></source>
        <translation>Formato de serie:</translation>
    </message>
    <message id="Columns:">
        <source></source>
        <translation>Columnas:</translation>
    </message>
    <message id="Rows:">
        <source></source>
        <translation>Filas:</translation>
    </message>
    <message id="Gauge High Limit:">
        <source></source>
        <translation>Límite superior del equipo:</translation>
    </message>
    <message id="Gauge Low Limit:">
        <source></source>
        <translation>Límite inferior del equipo:</translation>
    </message>
    <message id="Bar Series:">
        <source></source>
        <translation>Serie de barras:</translation>
    </message>
    <message id="Bar Size:">
        <source></source>
        <translation>Diámetro de barra:</translation>
    </message>
    <message id="Bar Grade:">
        <source></source>
        <translation>Calidad del acero:</translation>
    </message>
    <message id="Cell Type:">
        <source></source>
        <translation>Tipo de electrodo:</translation>
    </message>
    <message id="Site:">
        <source></source>
        <translation>Obra:</translation>
    </message>
    <message id="Location:">
        <source></source>
        <translation>Ubicación:</translation>
    </message>
    <message id="Area:">
        <source></source>
        <translation>Zona:</translation>
    </message>
    <message id="Engineer:">
        <source></source>
        <translation>Ingeniero:</translation>
    </message>
    <message id="Customer:">
        <source></source>
        <translation>Cliente:</translation>
    </message>
    <message id="Note:">
        <source></source>
        <translation>Nota:</translation>
    </message>
    <message id="Grid Spacing (%1):">
        <source></source>
        <translation>Paso de cuadrícula (%1):</translation>
    </message>
    <message id="High Limit (%1):">
        <source></source>
        <translation>Límite superior (%1):</translation>
    </message>
    <message id="Low Limit (%1):">
        <source></source>
        <translation>Límite inferior (%1):</translation>
    </message>
    <message id="Temperature (%1):">
        <source></source>
        <translation>Temperatura (%1):</translation>
    </message>
    <message id="Enter valid high limit value (%1-%2)">
        <source></source>
        <translation>Introduzca un límite superior válido (%1-%2)</translation>
    </message>
    <message id="Enter valid low limit value (%1-%2)">
        <source></source>
        <translation>Introduzca un límite inferior válido (%1-%2)</translation>
    </message>
    <message id="Enter valid column value (%1-%2)">
        <source></source>
        <translation>Introduzca un número de columnas válido (%1-%2)</translation>
    </message>
    <message id="Enter valid row value (%1-%2)">
        <source></source>
        <translation>Introduzca un número de filas válido (%1-%2)</translation>
    </message>
    <message id="Enter valid grid size (%1 to %2)">
        <source></source>
        <translation>Introduzca un paso de cuadrícula válido (%1 a %2)</translation>
    </message>
    <message id="'%1' is not a valid floating point value">
        <source></source>
        <translation>&apos;%1&apos; no es un número de coma flotante válido</translation>
    </message>
    <message id="Enter valid temperature (%1%2 to %3%4)">
        <source></source>
        <translation>Introduzca una temperatura válida (%1%2 a %3%4)</translation>
    </message>
    <message id="Data outside new batch size will be lost. Continue?">
        <source></source>
        <translation>Se perderán los datos fuera del nuevo tamaño de la serie. ¿Desea continuar?</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nombre</translation>
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
        <translation>Descargar</translation>
    </message>
    <message id="Upload">
        <source></source>
        <translation>Enviar</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>Actualizar</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Eliminar</translation>
    </message>
    <message id="The gauge already contains a batch named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing batch?">
        <source></source>
        <translation>El equipo ya contiene una serie llamada &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
¿Desea reemplazar la serie existente?</translation>
    </message>
    <message id="Please Wait...">
        <source></source>
        <translation>Espere, por favor...</translation>
    </message>
    <message id="Are you sure you want to delete '%1'?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar &apos;%1&apos;?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 batches?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar estas %1 series?</translation>
    </message>
    <message id="New Folder">
        <source></source>
        <translation>Nueva carpeta</translation>
    </message>
    <message id="Select Data Folder">
        <source></source>
        <translation>Seleccionar carpeta de datos</translation>
    </message>
    <message id="Data">
        <source></source>
        <translation>Datos</translation>
    </message>
    <message id="A folder with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ya existe una carpeta con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nuevo</translation>
    </message>
    <message id="Version : %1">
        <source></source>
        <translation>Versión: %1</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>Acerca de</translation>
    </message>
    <message id="Modified">
        <source></source>
        <translation>Modificado</translation>
    </message>
    <message id="Are you sure you want to remove the folder named '%1' and all its contents?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar la carpeta &apos;%1&apos; y todo su contenido?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 items?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar estos %1 elementos?</translation>
    </message>
    <message id="Cannot rename unknown file type.">
        <source></source>
        <translation>No se puede cambiar el nombre de un tipo de archivo desconocido.</translation>
    </message>
    <message id="A file with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ya existe un archivo con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Ayuda</translation>
    </message>
    <message id="Folder List">
        <source></source>
        <translation>Lista de carpetas</translation>
    </message>
    <message id="Ventrax K27">
        <source></source>
        <translation>Ventrax K27</translation>
    </message>
    <message id="Templates">
        <source></source>
        <translation>Plantillas</translation>
    </message>
    <message id="Reports">
        <source></source>
        <translation>Informes</translation>
    </message>
    <message id="Local">
        <source></source>
        <translation>Local</translation>
    </message>
    <message id="Rename">
        <source></source>
        <translation>Cambiar nombre</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Cortar</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copiar</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Pegar</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Seleccionar todo</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Atrás</translation>
    </message>
    <message id="Grid Batch">
        <source></source>
        <translation>Serie en cuadrícula</translation>
    </message>
    <message id="Linear Batch">
        <source></source>
        <translation>Serie lineal</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exportar</translation>
    </message>
    <message id="Change Storage Directory">
        <source></source>
        <translation>Cambiar el directorio de datos</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Preferencias</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>Salir</translation>
    </message>
    <message id="Orvalis Help">
        <source></source>
        <translation>Ayuda de Orvalis</translation>
    </message>
    <message id="New Batch">
        <source></source>
        <translation>Nueva serie</translation>
    </message>
    <message id="Would you like to replace the existing file?">
        <source></source>
        <translation>¿Desea reemplazar el archivo existente?</translation>
    </message>
    <message id="Select the directory in which to store application data">
        <source></source>
        <translation>Seleccione el directorio donde guardar los datos del programa</translation>
    </message>
    <message id="Unable to open the help file %1">
        <source></source>
        <translation>No se puede abrir el archivo de ayuda %1</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Cancelar</translation>
    </message>
    <message id="Specify the measurement units to be used when displaying cover depth, and grid dimensions.">
        <source></source>
        <translation>Indique las unidades de medida para mostrar el recubrimiento y las dimensiones de la cuadrícula.</translation>
    </message>
    <message id="mm &amp; metres">
        <source></source>
        <translation>mm &amp; metros</translation>
    </message>
    <message id="inches &amp; feet">
        <source></source>
        <translation>pulgadas &amp; pies</translation>
    </message>
    <message id="Specify the measurement units to used when displaying temperature.">
        <source></source>
        <translation>Indique la unidad de medida para mostrar la temperatura.</translation>
    </message>
    <message id="Email Report Format">
        <source></source>
        <translation>Formato de los informes por correo electrónico</translation>
    </message>
    <message id="Specify the method in which a report will be emailed.">
        <source></source>
        <translation>Indique cómo se envía un informe por correo electrónico.</translation>
    </message>
    <message id="PDF Document">
        <source></source>
        <translation>Documento PDF</translation>
    </message>
    <message id="JPEG Images">
        <source></source>
        <translation>Imágenes JPEG</translation>
    </message>
    <message id="Gradient Threshold">
        <source></source>
        <translation>Umbral del degradado</translation>
    </message>
    <message id="Enter the threshold value to use for overview charts using a threshold gradient">
        <source></source>
        <translation>Introduzca el valor de umbral para los gráficos de vista general con degradado por umbral</translation>
    </message>
    <message id="Report Page Thumbnail Quality">
        <source></source>
        <translation>Calidad de las miniaturas de las páginas de informe</translation>
    </message>
    <message id="Specify the quality of the report page thumbnails.">
        <source></source>
        <translation>Indique la calidad de las miniaturas de las páginas de informe.</translation>
    </message>
    <message id="High Quality">
        <source></source>
        <translation>Alta calidad</translation>
    </message>
    <message id="Normal Quality">
        <source></source>
        <translation>Calidad normal</translation>
    </message>
    <message id="No Thumbnail">
        <source></source>
        <translation>Sin miniatura</translation>
    </message>
    <message id="Communications Port">
        <source></source>
        <translation>Puerto de comunicaciones</translation>
    </message>
    <message id="Specify the communications port the Ventrax K27 Instrument is connected to.">
        <source></source>
        <translation>Indique el puerto de comunicaciones al que está conectado el equipo Ventrax K27.</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>General</translation>
    </message>
    <message id="Interface">
        <source></source>
        <translation>Interfaz</translation>
    </message>
    <message id="No Gauge">
        <source></source>
        <translation>Sin equipo</translation>
    </message>
    <message id="Cover (%1):">
        <source></source>
        <translation>Recubrimiento (%1):</translation>
    </message>
    <message id="Half-Cell (%1):">
        <source></source>
        <translation>Semicelda (%1):</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Abrir</translation>
    </message>
    <message id="Name: %1">
        <source></source>
        <translation>Nombre: %1</translation>
    </message>
    <message id="Type: %1">
        <source></source>
        <translation>Tipo: %1</translation>
    </message>
    <message id="Size: %1">
        <source></source>
        <translation>Tamaño: %1</translation>
    </message>
    <message id="Modified: %1">
        <source></source>
        <translation>Modificado: %1</translation>
    </message>
    <message id="Location: %1">
        <source></source>
        <translation>Ubicación: %1</translation>
    </message>
    <message id="Cannot open clipboard">
        <source></source>
        <translation>No se puede abrir el portapapeles</translation>
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
        <translation>%1 de %2</translation>
    </message>
    <message id="Unknown unit system %1: 0 is metric, 1 imperial">
        <source></source>
        <translation>Sistema de unidades desconocido %1: 0 es métrico, 1 imperial</translation>
    </message>
    <message id="Cannot delete file &quot;%1&quot;. %2">
        <source></source>
        <translation>No se puede eliminar el archivo «%1». %2</translation>
    </message>
    <message id="Cumulative %">
        <source></source>
        <translation>% acumulado</translation>
    </message>
    <message id="more positive than %1, corrosion unlikely">
        <source></source>
        <translation>más positivo que %1, corrosión improbable</translation>
    </message>
    <message id="%1 to %2">
        <source></source>
        <translation>%1 a %2</translation>
    </message>
    <message id="more negative than %1, corrosion likely">
        <source></source>
        <translation>más negativo que %1, corrosión probable</translation>
    </message>
    <message id="Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing.">
        <source></source>
        <translation>Lecturas desplazadas -81 mV de AG/AGCL a CU/CUSO4 antes de la clasificación.</translation>
    </message>
    <message id="5 % Quantile">
        <source></source>
        <translation>Cuantil del 5 %</translation>
    </message>
    <message id="10 % Quantile">
        <source></source>
        <translation>Cuantil del 10 %</translation>
    </message>
    <message id="Normal 5 % Value">
        <source></source>
        <translation>Valor normal del 5 %</translation>
    </message>
    <message id="no low limit applied">
        <source></source>
        <translation>no se ha aplicado límite inferior</translation>
    </message>
    <message id="at least %1 needed">
        <source></source>
        <translation>se necesitan al menos %1</translation>
    </message>
    <message id="5 % Quantile Meets Low Limit">
        <source></source>
        <translation>El cuantil del 5 % cumple el límite inferior</translation>
    </message>
    <message id="Excel Workbook (*.xlsx)">
        <source></source>
        <translation>Libro de Excel (*.xlsx)</translation>
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
        <translation>CSV, un archivo por serie (*.csv)</translation>
    </message>
    <message id="All Files (*)">
        <source></source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message id="The file could not be opened">
        <source></source>
        <translation>No se ha podido abrir el archivo</translation>
    </message>
    <message id="Invalid worksheet name &quot;%1&quot;">
        <source></source>
        <translation>Nombre de hoja no válido «%1»</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Bajo</translation>
    </message>
    <message id="Intermediate">
        <source></source>
        <translation>Intermedio</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Alto</translation>
    </message>
    <message id="Invalid batch type - must be cover">
        <source></source>
        <translation>Tipo de serie no válido: debe ser de recubrimiento</translation>
    </message>
    <message id="Not enough readings">
        <source></source>
        <translation>No hay suficientes lecturas</translation>
    </message>
    <message id="The surveys are not of the same batch type">
        <source></source>
        <translation>Los levantamientos no son del mismo tipo de serie</translation>
    </message>
    <message id="The surveys do not have the same grid (%1 x %2 and %3 x %4)">
        <source></source>
        <translation>Los levantamientos no tienen la misma cuadrícula (%1 x %2 y %3 x %4)</translation>
    </message>
    <message id="It is not a file.">
        <source></source>
        <translation>No es un archivo.</translation>
    </message>
    <message id="Invalid display format">
        <source></source>
        <translation>Formato de visualización no válido</translation>
    </message>
    <message id="Report does not exist">
        <source></source>
        <translation>El informe no existe</translation>
    </message>
    <message id="PointColour">
        <source></source>
        <translation>Color de punto</translation>
    </message>
    <message id="CorrosionLow">
        <source></source>
        <translation>CorrosiónBaja</translation>
    </message>
    <message id="CorrosionIntermediate">
        <source></source>
        <translation>CorrosiónIntermedia</translation>
    </message>
    <message id="CorrosionHigh">
        <source></source>
        <translation>CorrosiónAlta</translation>
    </message>
    <message id="PerCorrosionLow">
        <source></source>
        <translation>PorcentajeCorrosiónBaja</translation>
    </message>
    <message id="PerCorrosionIntermediate">
        <source></source>
        <translation>PorcentajeCorrosiónIntermedia</translation>
    </message>
    <message id="PerCorrosionHigh">
        <source></source>
        <translation>PorcentajeCorrosiónAlta</translation>
    </message>
    <message id="Quantile5">
        <source></source>
        <translation>Cuantil5</translation>
    </message>
    <message id="Quantile10">
        <source></source>
        <translation>Cuantil10</translation>
    </message>
    <message id="NormalQuantile5">
        <source></source>
        <translation>CuantilNormal5</translation>
    </message>
    <message id="Quantile5MeetsLowLimit">
        <source></source>
        <translation>Cuantil5CumpleLímiteInferior</translation>
    </message>
    <message id="n Low">
        <source></source>
        <translation>n bajo</translation>
    </message>
    <message id="n Intermediate">
        <source></source>
        <translation>n intermedio</translation>
    </message>
    <message id="n High">
        <source></source>
        <translation>n alto</translation>
    </message>
    <message id="% Low">
        <source></source>
        <translation>% bajo</translation>
    </message>
    <message id="% Intermediate">
        <source></source>
        <translation>% intermedio</translation>
    </message>
    <message id="% High">
        <source></source>
        <translation>% alto</translation>
    </message>
    <message id="Normal 5 %">
        <source></source>
        <translation>Normal 5 %</translation>
    </message>
    <message id="5 % Check">
        <source></source>
        <translation>Control 5 %</translation>
    </message>
    <message id="There is no default printer to print on">
        <source></source>
        <translation>No hay ninguna impresora predeterminada</translation>
    </message>
    <message id="Unable to print the report">
        <source></source>
        <translation>No se puede imprimir el informe</translation>
    </message>
    <message id="Anchor">
        <source></source>
        <translation>Anclaje</translation>
    </message>
    <message id="Text Editor">
        <source></source>
        <translation>Editor de texto</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>Aceptar</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Seleccionar</translation>
    </message>
    <message id="Shape">
        <source></source>
        <translation>Forma</translation>
    </message>
    <message id="Memo">
        <source></source>
        <translation>Cuadro de texto</translation>
    </message>
    <message id="Graphic">
        <source></source>
        <translation>Gráfico</translation>
    </message>
    <message id="Overview">
        <source></source>
        <translation>Vista general</translation>
    </message>
    <message id="Histogram">
        <source></source>
        <translation>Histograma</translation>
    </message>
    <message id="Run">
        <source></source>
        <translation>Evolución</translation>
    </message>
    <message id="Combined Overview">
        <source></source>
        <translation>Vista general combinada</translation>
    </message>
    <message id="Page Width">
        <source></source>
        <translation>Ancho de página</translation>
    </message>
    <message id="Full Page">
        <source></source>
        <translation>Página completa</translation>
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
        <translation>Diseño de página</translation>
    </message>
    <message id="Zoom:">
        <source></source>
        <translation>Zoom:</translation>
    </message>
    <message id="Halfcell">
        <source></source>
        <translation>Semicelda</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Are you sure you want to delete these %1 page items?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar estos %1 elementos de página?</translation>
    </message>
    <message id="Are you sure you wish to switch all the page items that support %1 to %2">
        <source></source>
        <translation>¿Está seguro de que desea cambiar a %2 todos los elementos de página que admiten %1?</translation>
    </message>
    <message id="Are you sure you wish to save the changes to the page design?">
        <source></source>
        <translation>¿Está seguro de que desea guardar los cambios del diseño de página?</translation>
    </message>
    <message id="Are you sure you wish to abandon the changes to the page design?">
        <source></source>
        <translation>¿Está seguro de que desea descartar los cambios del diseño de página?</translation>
    </message>
    <message id="Save changes to this page?">
        <source></source>
        <translation>¿Guardar los cambios de esta página?</translation>
    </message>
    <message id="All Graphics (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;Metafiles (*.svg);;All Files (*)">
        <source></source>
        <translation>Todos los gráficos (*.jpg *.jpeg *.bmp *.png *.svg);;Mapas de bits (*.bmp *.jpg *.jpeg *.png);;Metarchivos (*.svg);;Todos los archivos (*)</translation>
    </message>
    <message id="Property Editor">
        <source></source>
        <translation>Editor de propiedades</translation>
    </message>
    <message id="Select Picture">
        <source></source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message id="Cannot open '%1': there is no such file.">
        <source></source>
        <translation>No se puede abrir «%1»: el archivo no existe.</translation>
    </message>
    <message id="Cannot open '%1': it is not a batch, template or report file.">
        <source></source>
        <translation>No se puede abrir «%1»: no es un archivo de serie, plantilla ni informe.</translation>
    </message>
    <message id="'%1' is not in the storage folder.&#13;&#10;Copy it into %2 and open it?">
        <source></source>
        <translation>«%1» no está en la carpeta de datos.<byte value="xd"/>
¿Copiarlo en %2 y abrirlo?</translation>
    </message>
    <message id="Template Batch Wizard">
        <source></source>
        <translation>Asistente de series de plantilla</translation>
    </message>
    <message id="Welcome to the Template Batch Wizard">
        <source></source>
        <translation>Bienvenido al asistente de series de plantilla</translation>
    </message>
    <message id="This wizard will allow you to create or modify a template batch.">
        <source></source>
        <translation>Este asistente le permite crear o modificar una serie de plantilla.</translation>
    </message>
    <message id="Determines the format of the batch data.">
        <source></source>
        <translation>Determina el formato de los datos de la serie.</translation>
    </message>
    <message id="Batch Details">
        <source></source>
        <translation>Detalles de la serie</translation>
    </message>
    <message id="Enter batch details">
        <source></source>
        <translation>Introduzca los detalles de la serie</translation>
    </message>
    <message id="Number of Columns">
        <source></source>
        <translation>Número de columnas</translation>
    </message>
    <message id="Number of Rows">
        <source></source>
        <translation>Número de filas</translation>
    </message>
    <message id="Grid Dimensions">
        <source></source>
        <translation>Dimensiones de la cuadrícula</translation>
    </message>
    <message id="Specify the dimensions of the grid">
        <source></source>
        <translation>Indique las dimensiones de la cuadrícula</translation>
    </message>
    <message id="Determines the highest value that can be measured before a warning is shown">
        <source></source>
        <translation>Determina el valor más alto que se puede medir antes de mostrar una advertencia</translation>
    </message>
    <message id="Determines the lowest value that can be measured before a warning is shown">
        <source></source>
        <translation>Determina el valor más bajo que se puede medir antes de mostrar una advertencia</translation>
    </message>
    <message id="Specify the limits to measure to">
        <source></source>
        <translation>Indique los límites de medición</translation>
    </message>
    <message id="Completing the Template Batch Wizard">
        <source></source>
        <translation>Finalización del asistente de series de plantilla</translation>
    </message>
    <message id="The wizard is complete.&#13;&#10;&#13;&#10;Click Finish to return.">
        <source></source>
        <translation>El asistente ha terminado.<byte value="xd"/>
<byte value="xd"/>
Haga clic en Finalizar para volver.</translation>
    </message>
    <message id="Grid Spacing (%1)">
        <source></source>
        <translation>Paso de cuadrícula (%1)</translation>
    </message>
    <message id="Apply High Limit (%1)">
        <source></source>
        <translation>Aplicar límite superior (%1)</translation>
    </message>
    <message id="Apply Low Limit (%1)">
        <source></source>
        <translation>Aplicar límite inferior (%1)</translation>
    </message>
    <message id="Enter valid grid spacing (%1 to %2)">
        <source></source>
        <translation>Introduzca un paso de cuadrícula válido (%1 a %2)</translation>
    </message>
    <message id="High limit must be larger than low limit">
        <source></source>
        <translation>El límite superior debe ser mayor que el límite inferior</translation>
    </message>
    <message id="Uploaded">
        <source></source>
        <translation>Enviado</translation>
    </message>
    <message id="Grouped">
        <source></source>
        <translation>Agrupado</translation>
    </message>
    <message id="New Template">
        <source></source>
        <translation>Nueva plantilla</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Editar</translation>
    </message>
    <message id="Group">
        <source></source>
        <translation>Agrupar</translation>
    </message>
    <message id="Ungroup">
        <source></source>
        <translation>Desagrupar</translation>
    </message>
    <message id="A template with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ya existe una plantilla con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message id="Are you sure you want to delete these %1 templates?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar estas %1 plantillas?</translation>
    </message>
    <message id="Are you sure you want to delete this template batch?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar esta serie de plantilla?</translation>
    </message>
    <message id="Are you sure you want to delete the selected batches?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar las series seleccionadas?</translation>
    </message>
    <message id="Upload Template">
        <source></source>
        <translation>Enviar plantilla</translation>
    </message>
    <message id="Select template(s) to upload to the gauge:">
        <source></source>
        <translation>Seleccione las plantillas que desea enviar al equipo:</translation>
    </message>
    <message id="Use Batch Order">
        <source></source>
        <translation>Usar el orden de las series</translation>
    </message>
    <message id="Use Upload Count">
        <source></source>
        <translation>Usar el contador de envíos</translation>
    </message>
    <message id="Upload Wizard">
        <source></source>
        <translation>Asistente de envío</translation>
    </message>
    <message id="Welcome to the Upload Wizard">
        <source></source>
        <translation>Bienvenido al asistente de envío</translation>
    </message>
    <message id="This wizard will allow you to upload template(s) to a gauge.">
        <source></source>
        <translation>Este asistente le permite enviar plantillas a un equipo.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the order of the batch definitions in the template.">
        <source></source>
        <translation>El ID de serie se forma con el nombre de la plantilla y el orden de las definiciones de serie en la plantilla.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the total number of times the template has been uploaded.">
        <source></source>
        <translation>El ID de serie se forma con el nombre de la plantilla y el número total de veces que se ha enviado la plantilla.</translation>
    </message>
    <message id="Batch IDs">
        <source></source>
        <translation>ID de series</translation>
    </message>
    <message id="Specify the batch naming method ">
        <source></source>
        <translation>Indique el método para nombrar las series </translation>
    </message>
    <message id="Enter the default tags that will be copied to all the batches in this template.">
        <source></source>
        <translation>Introduzca las etiquetas predeterminadas que se copiarán en todas las series de esta plantilla.</translation>
    </message>
    <message id="Default Tags">
        <source></source>
        <translation>Etiquetas predeterminadas</translation>
    </message>
    <message id="Enter the default tags">
        <source></source>
        <translation>Introduzca las etiquetas predeterminadas</translation>
    </message>
    <message id="Enter the changes in tags from the default for the batches.">
        <source></source>
        <translation>Introduzca las etiquetas de las series que difieren de las predeterminadas.</translation>
    </message>
    <message id="Batch Tags">
        <source></source>
        <translation>Etiquetas de serie</translation>
    </message>
    <message id="Enter the tags for specific batches">
        <source></source>
        <translation>Introduzca las etiquetas de series concretas</translation>
    </message>
    <message id="Completing the Upload Wizard">
        <source></source>
        <translation>Finalización del asistente de envío</translation>
    </message>
    <message id="Batches">
        <source></source>
        <translation>Series</translation>
    </message>
    <message id="&lt; &amp;Back">
        <source></source>
        <translation>&lt; &amp;Atrás</translation>
    </message>
    <message id="&amp;Next &gt;">
        <source></source>
        <translation>&amp;Siguiente &gt;</translation>
    </message>
    <message id="&amp;Finish">
        <source></source>
        <translation>&amp;Finalizar</translation>
    </message>
    <message id="3D">
        <source></source>
        <translation>3D</translation>
    </message>
    <message id="Alignment">
        <source></source>
        <translation>Alineación</translation>
    </message>
    <message id="AspectRatio">
        <source></source>
        <translation>Relación de aspecto</translation>
    </message>
    <message id="BarColor">
        <source></source>
        <translation>Color de barra</translation>
    </message>
    <message id="BarGap">
        <source></source>
        <translation>Separación de barras</translation>
    </message>
    <message id="BatchType">
        <source></source>
        <translation>Tipo de serie</translation>
    </message>
    <message id="Bold">
        <source></source>
        <translation>Negrita</translation>
    </message>
    <message id="CellFontSize">
        <source></source>
        <translation>Tamaño de fuente de celda</translation>
    </message>
    <message id="CellText">
        <source></source>
        <translation>Texto de celda</translation>
    </message>
    <message id="ChartType">
        <source></source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message id="ColorGradiant">
        <source></source>
        <translation>Degradado de color</translation>
    </message>
    <message id="FillColor">
        <source></source>
        <translation>Color de relleno</translation>
    </message>
    <message id="FillStyle">
        <source></source>
        <translation>Estilo de relleno</translation>
    </message>
    <message id="FontName">
        <source></source>
        <translation>Fuente</translation>
    </message>
    <message id="FontSize">
        <source></source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message id="GreyScale">
        <source></source>
        <translation>Escala de grises</translation>
    </message>
    <message id="GridColumnsPerPage">
        <source></source>
        <translation>Columnas de cuadrícula por página</translation>
    </message>
    <message id="GridLineMethod">
        <source></source>
        <translation>Método de líneas de cuadrícula</translation>
    </message>
    <message id="GridLineSpacing">
        <source></source>
        <translation>Separación de líneas de cuadrícula</translation>
    </message>
    <message id="GridLines">
        <source></source>
        <translation>Líneas de cuadrícula</translation>
    </message>
    <message id="GridRowsPerPage">
        <source></source>
        <translation>Filas de cuadrícula por página</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Alto</translation>
    </message>
    <message id="Italic">
        <source></source>
        <translation>Cursiva</translation>
    </message>
    <message id="KeySteps">
        <source></source>
        <translation>Escalones de leyenda</translation>
    </message>
    <message id="LinearColumnsPerPage">
        <source></source>
        <translation>Columnas lineales por página</translation>
    </message>
    <message id="LinearRowsPerPage">
        <source></source>
        <translation>Filas lineales por página</translation>
    </message>
    <message id="LineStyle">
        <source></source>
        <translation>Estilo de línea</translation>
    </message>
    <message id="LineWidth">
        <source></source>
        <translation>Grosor de línea</translation>
    </message>
    <message id="PageHeight">
        <source></source>
        <translation>Alto de página</translation>
    </message>
    <message id="PageOrientation">
        <source></source>
        <translation>Orientación de página</translation>
    </message>
    <message id="PageType">
        <source></source>
        <translation>Tipo de página</translation>
    </message>
    <message id="PageWidth">
        <source></source>
        <translation>Ancho de página</translation>
    </message>
    <message id="PaperSize">
        <source></source>
        <translation>Tamaño de papel</translation>
    </message>
    <message id="PrimaryBatchType">
        <source></source>
        <translation>Tipo de serie principal</translation>
    </message>
    <message id="ShowLegend">
        <source></source>
        <translation>Mostrar leyenda</translation>
    </message>
    <message id="ShowMarkFrame">
        <source></source>
        <translation>Mostrar marco de marcado</translation>
    </message>
    <message id="SquareCells">
        <source></source>
        <translation>Celdas cuadradas</translation>
    </message>
    <message id="Strikeout">
        <source></source>
        <translation>Tachado</translation>
    </message>
    <message id="Text">
        <source></source>
        <translation>Texto</translation>
    </message>
    <message id="Underline">
        <source></source>
        <translation>Subrayado</translation>
    </message>
    <message id="WarningLimit">
        <source></source>
        <translation>Límite de aviso</translation>
    </message>
    <message id="WarningLimitHalfCell">
        <source></source>
        <translation>Límite de aviso de semicelda</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Ancho</translation>
    </message>
    <message id="WordWrap">
        <source></source>
        <translation>Ajuste de línea</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Guardar</translation>
    </message>
    <message id="Save and Exit">
        <source></source>
        <translation>Guardar y salir</translation>
    </message>
    <message id="Abandon and Exit">
        <source></source>
        <translation>Descartar y salir</translation>
    </message>
    <message id="Snap">
        <source></source>
        <translation>Ajustar</translation>
    </message>
    <message id="Bring to Front">
        <source></source>
        <translation>Traer al frente</translation>
    </message>
    <message id="Send to Back">
        <source></source>
        <translation>Enviar al fondo</translation>
    </message>
    <message id="Batch readings incomplete">
        <source></source>
        <translation>Lecturas de la serie incompletas</translation>
    </message>
    <message id="Invalid slot number">
        <source></source>
        <translation>Número de posición de memoria no válido</translation>
    </message>
    <message id="New Report">
        <source></source>
        <translation>Nuevo informe</translation>
    </message>
    <message id="New Page">
        <source></source>
        <translation>Nueva página</translation>
    </message>
    <message id="Move Up">
        <source></source>
        <translation>Subir</translation>
    </message>
    <message id="Move Down">
        <source></source>
        <translation>Bajar</translation>
    </message>
    <message id="My Reports">
        <source></source>
        <translation>Mis informes</translation>
    </message>
    <message id="Tab Reports">
        <source></source>
        <translation>Informes en pestañas</translation>
    </message>
    <message id="Number">
        <source></source>
        <translation>Número</translation>
    </message>
    <message id="Page Type">
        <source></source>
        <translation>Tipo de página</translation>
    </message>
    <message id="My Reports &gt; %1">
        <source></source>
        <translation>Mis informes &gt; %1</translation>
    </message>
    <message id="Tab Reports &gt; %1">
        <source></source>
        <translation>Informes en pestañas &gt; %1</translation>
    </message>
    <message id="A report with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Ya existe un informe con el nombre indicado. Indique otro nombre.</translation>
    </message>
    <message id="The report '%1' no longer exists.">
        <source></source>
        <translation>El informe &apos;%1&apos; ya no existe.</translation>
    </message>
    <message id="Are you sure you want to delete this report page?">
        <source></source>
        <translation>¿Está seguro de que desea eliminar esta página del informe?</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Página</translation>
    </message>
    <message id="User cancelled request">
        <source></source>
        <translation>Solicitud cancelada por el usuario</translation>
    </message>
    <message id="General MAPI failure">
        <source></source>
        <translation>Error general de MAPI</translation>
    </message>
    <message id="Logon failure">
        <source></source>
        <translation>Error de inicio de sesión</translation>
    </message>
    <message id="Disk full">
        <source></source>
        <translation>Disco lleno</translation>
    </message>
    <message id="Insufficient memory">
        <source></source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message id="Access denied">
        <source></source>
        <translation>Acceso denegado</translation>
    </message>
    <message id="Too many sessions">
        <source></source>
        <translation>Demasiadas sesiones</translation>
    </message>
    <message id="Too many files open">
        <source></source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message id="Too many recipients">
        <source></source>
        <translation>Demasiados destinatarios</translation>
    </message>
    <message id="Attachment not found">
        <source></source>
        <translation>No se encuentra el archivo adjunto</translation>
    </message>
    <message id="Failed to open attachment">
        <source></source>
        <translation>No se ha podido abrir el archivo adjunto</translation>
    </message>
    <message id="Failed to write attachment">
        <source></source>
        <translation>No se ha podido escribir el archivo adjunto</translation>
    </message>
    <message id="Unknown recipient">
        <source></source>
        <translation>Destinatario desconocido</translation>
    </message>
    <message id="Invalid recipient type">
        <source></source>
        <translation>Tipo de destinatario no válido</translation>
    </message>
    <message id="No messages">
        <source></source>
        <translation>No hay mensajes</translation>
    </message>
    <message id="Invalid message">
        <source></source>
        <translation>Mensaje no válido</translation>
    </message>
    <message id="Text too large.">
        <source></source>
        <translation>Texto demasiado largo.</translation>
    </message>
    <message id="Invalid session">
        <source></source>
        <translation>Sesión no válida</translation>
    </message>
    <message id="Type not supported">
        <source></source>
        <translation>Tipo no compatible</translation>
    </message>
    <message id="Ambiguous recipient">
        <source></source>
        <translation>Destinatario ambiguo</translation>
    </message>
    <message id="Message in use">
        <source></source>
        <translation>Mensaje en uso</translation>
    </message>
    <message id="Network failure">
        <source></source>
        <translation>Error de red</translation>
    </message>
    <message id="Invalid edit fields">
        <source></source>
        <translation>Campos de edición no válidos</translation>
    </message>
    <message id="Invalid recipients">
        <source></source>
        <translation>Destinatarios no válidos</translation>
    </message>
    <message id="Not supported">
        <source></source>
        <translation>No compatible</translation>
    </message>
    <message id="Unknown Error Code: ">
        <source></source>
        <translation>Código de error desconocido: </translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Imprimir</translation>
    </message>
    <message id="PDF">
        <source></source>
        <translation>PDF</translation>
    </message>
    <message id="Mail">
        <source></source>
        <translation>Correo</translation>
    </message>
    <message id="Reports:">
        <source></source>
        <translation>Informes:</translation>
    </message>
    <message id="Standard Report">
        <source></source>
        <translation>Informe estándar</translation>
    </message>
    <message id="Orvalis Report">
        <source></source>
        <translation>Informe de Orvalis</translation>
    </message>
    <message id="Save PDF Report As">
        <source></source>
        <translation>Guardar informe PDF como</translation>
    </message>
    <message id="PDF Files (*.pdf);;All Files (*.*)">
        <source></source>
        <translation>Archivos PDF (*.pdf);;Todos los archivos (*.*)</translation>
    </message>
    <message id="Please find attached a report on the following batches:">
        <source></source>
        <translation>Adjunto encontrará un informe sobre las series siguientes:</translation>
    </message>
    <message id="MAPI Error %1: %2">
        <source></source>
        <translation>Error de MAPI %1: %2</translation>
    </message>
    <message id="Invalid Grid Dimensions">
        <source></source>
        <translation>Dimensiones de cuadrícula no válidas</translation>
    </message>
    <message id="The clipboard holds no report page">
        <source></source>
        <translation>El portapapeles no contiene ninguna página de informe</translation>
    </message>
    <message id="Unable to rename '%1': %2">
        <source></source>
        <translation>No se puede cambiar el nombre de &apos;%1&apos;: %2</translation>
    </message>
    <message id="The connection to the gauge has ended. Nothing was uploaded.">
        <source></source>
        <translation>La conexión con el equipo ha terminado. No se ha enviado nada.</translation>
    </message>
    <message id="There is no display: no other program could paste a page from this clipboard">
        <source></source>
        <translation>No hay pantalla: ningún otro programa podría pegar una página desde este portapapeles</translation>
    </message>
    <message id="The file &quot;%1&quot; is larger than any batch file can be (at most %2 MB)">
        <source></source>
        <translation>El archivo «%1» es mayor de lo que puede ser un archivo de serie (como máximo %2 MB)</translation>
    </message>
    <message id="The clipboard holds no page items">
        <source></source>
        <translation>El portapapeles no contiene elementos de página</translation>
    </message>
    <message id="No contour levels">
        <source></source>
        <translation>Sin niveles de isolíneas</translation>
    </message>
    <message id="Contour levels (%1): %2">
        <source></source>
        <translation>Niveles de isolíneas (%1): %2</translation>
    </message>
    <message id="below %1">
        <source></source>
        <translation>por debajo de %1</translation>
    </message>
    <message id="%1 and above">
        <source></source>
        <translation>%1 y más</translation>
    </message>
    <message id="Contour maps need a grid batch">
        <source></source>
        <translation>Los mapas de isolíneas necesitan una serie en cuadrícula</translation>
    </message>
    <message id="The contour step must be a positive number">
        <source></source>
        <translation>La equidistancia de las isolíneas debe ser un número positivo</translation>
    </message>
    <message id="The contour step gives more than %1 levels">
        <source></source>
        <translation>La equidistancia de las isolíneas da más de %1 niveles</translation>
    </message>
    <message id="&quot;%1&quot; is not a contour level">
        <source></source>
        <translation>«%1» no es un nivel de isolínea</translation>
    </message>
    <message id="Filled">
        <source></source>
        <translation>Relleno</translation>
    </message>
    <message id="LabelFontSize">
        <source></source>
        <translation>Tamaño de las etiquetas</translation>
    </message>
    <message id="Labels">
        <source></source>
        <translation>Etiquetas</translation>
    </message>
    <message id="Levels">
        <source></source>
        <translation>Niveles</translation>
    </message>
    <message id="StepCover">
        <source></source>
        <translation>Equidistancia recubrimiento</translation>
    </message>
    <message id="StepHalfCell">
        <source></source>
        <translation>Equidistancia semicelda</translation>
    </message>
    <message id="Contour">
        <source></source>
        <translation>Isolíneas</translation>
    </message>
    <message id="The demonstration gauge is not installed.">
        <source></source>
        <translation>El equipo de demostración no está instalado.</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Sin respuesta</translation>
    </message>
    <message id="The simulator ended at once">
        <source></source>
        <translation>El simulador terminó de inmediato</translation>
    </message>
    <message id="The demonstration gauge could not be started: %1">
        <source></source>
        <translation>No se pudo iniciar el equipo de demostración: %1</translation>
    </message>
    <message id="Choose Port...">
        <source></source>
        <translation>Elegir puerto...</translation>
    </message>
    <message id="Demonstration gauge">
        <source></source>
        <translation>Equipo de demostración</translation>
    </message>
    <message id="Demonstration gauge (%1)">
        <source></source>
        <translation>Equipo de demostración (%1)</translation>
    </message>
    <message id="No gauge port is chosen.">
        <source></source>
        <translation>No se ha elegido ningún puerto para el equipo.</translation>
    </message>
    <message id="Choose the port your gauge is connected to, or the demonstration gauge, in Preferences.">
        <source></source>
        <translation>Elija en Preferencias el puerto al que está conectado su equipo, o el equipo de demostración.</translation>
    </message>
    <message id="Opening %1...">
        <source></source>
        <translation>Abriendo %1...</translation>
    </message>
    <message id="Looking for a gauge on %1: trying %2 baud, %3 s so far.">
        <source></source>
        <translation>Buscando un equipo en %1: probando %2 baudios, %3 s hasta ahora.</translation>
    </message>
    <message id="Check that the gauge is switched on and its cable is plugged in.">
        <source></source>
        <translation>Compruebe que el equipo está encendido y su cable conectado.</translation>
    </message>
    <message id="%1 cannot be opened.">
        <source></source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message id="The connection on %1 has ended.">
        <source></source>
        <translation>La conexión en %1 ha terminado.</translation>
    </message>
    <message id="Choose Refresh to try again.">
        <source></source>
        <translation>Elija Actualizar para volver a intentarlo.</translation>
    </message>
    <message id="Connected to %1, serial number %2.">
        <source></source>
        <translation>Conectado a %1, número de serie %2.</translation>
    </message>
    <message id="This is the demonstration gauge: its batches are sample data.">
        <source></source>
        <translation>Este es el equipo de demostración: sus series son datos de ejemplo.</translation>
    </message>
    <message id="The gauge holds no batches. Batches measured with the gauge are listed here.">
        <source></source>
        <translation>El equipo no contiene series. Las series medidas con el equipo aparecen aquí.</translation>
    </message>
    <message id="No templates yet. Choose New Template to make one.">
        <source></source>
        <translation>Aún no hay plantillas. Elija Nueva plantilla para crear una.</translation>
    </message>
    <message id="No reports yet. Choose New Report to design one.">
        <source></source>
        <translation>Aún no hay informes. Elija Nuevo informe para diseñar uno.</translation>
    </message>
    <message id="This folder is empty. Download batches from the gauge, or choose New Batch, to fill it.">
        <source></source>
        <translation>Esta carpeta está vacía. Descargue series del equipo o elija Nueva serie para llenarla.</translation>
    </message>
    <message id="Demonstration gauge (simulator)">
        <source></source>
        <translation>Equipo de demostración (simulador)</translation>
    </message>
    <message id="The batch file was changed by another program since it was shown. Replace it with your change?">
        <source></source>
        <translation>Otro programa ha modificado el archivo de la serie desde que se mostró. ¿Reemplazarlo con su cambio?</translation>
    </message>
    <message id="The storage folder %1 does not answer. If it is on a network drive, the server may not be reachable. The folders are shown as soon as it answers again.">
        <source></source>
        <translation>La carpeta de datos %1 no responde. Si está en una unidad de red, puede que el servidor no esté accesible. Las carpetas se mostrarán en cuanto vuelva a responder.</translation>
    </message>
    <message id="Batch %1 (%2)">
        <source></source>
        <translation>Serie %1 (%2)</translation>
    </message>
    <message id="%1: no readings">
        <source></source>
        <translation>%1: sin lecturas</translation>
    </message>
    <message id="%1: %2 readings, Min %3, Max %4, Mean %5 %6">
        <source></source>
        <translation>%1: %2 lecturas, Mín %3, Máx %4, Media %5 %6</translation>
    </message>
    <message id="%1: %2 readings">
        <source></source>
        <translation>%1: %2 lecturas</translation>
    </message>
    <message id="Views">
        <source></source>
        <translation>Vistas</translation>
    </message>
    <message id="Column %1, row %2">
        <source></source>
        <translation>Columna %1, fila %2</translation>
    </message>
    <message id="Empty">
        <source></source>
        <translation>Vacía</translation>
    </message>
    <message id="Cumulative Distribution">
        <source></source>
        <translation>Distribución acumulada</translation>
    </message>
    <message id="Difference Map">
        <source></source>
        <translation>Mapa de diferencias</translation>
    </message>
    <message id="%1 at %2 mm, %3 mm, %4 mm wide, %5 mm high">
        <source></source>
        <translation>%1 en %2 mm, %3 mm, %4 mm de ancho, %5 mm de alto</translation>
    </message>
    <message id="%1 items">
        <source></source>
        <translation>%1 elementos</translation>
    </message>
    <message id="Items">
        <source></source>
        <translation>Elementos</translation>
    </message>
    <message id="Pages">
        <source></source>
        <translation>Páginas</translation>
    </message>
    <message id="Page %1">
        <source></source>
        <translation>Página %1</translation>
    </message>
    <message id="Files">
        <source></source>
        <translation>Archivos</translation>
    </message>
    <message id="Commands">
        <source></source>
        <translation>Comandos</translation>
    </message>
    <message id="Selected Folder">
        <source></source>
        <translation>Carpeta seleccionada</translation>
    </message>
    <message id="Move to Tab Reports">
        <source></source>
        <translation>Mover a los informes en pestañas</translation>
    </message>
    <message id="Move to My Reports">
        <source></source>
        <translation>Mover a Mis informes</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menú</translation>
    </message>
    <message id="AutoCAD DXF, one drawing per batch (*.dxf)">
        <source></source>
        <translation>AutoCAD DXF, un dibujo por serie (*.dxf)</translation>
    </message>
    <message id="&quot;%1&quot; names no export form: use .xlsx, .xls, .xml, .csv or .dxf">
        <source></source>
        <translation>«%1» no designa ningún formato de exportación: use .xlsx, .xls, .xml, .csv o .dxf</translation>
    </message>
    <message id="Batch: %1 (%2)">
        <source></source>
        <translation>Serie: %1 (%2)</translation>
    </message>
    <message id="Site: %1">
        <source></source>
        <translation>Obra: %1</translation>
    </message>
    <message id="Created: %1, updated: %2">
        <source></source>
        <translation>Creada: %1, modificada: %2</translation>
    </message>
    <message id="Units: %1">
        <source></source>
        <translation>Unidades: %1</translation>
    </message>
    <message id="The drawing is incomplete">
        <source></source>
        <translation>El dibujo está incompleto</translation>
    </message>
</context>
</TS>
