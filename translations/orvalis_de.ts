<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="Too many histogram bins">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="None">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Warning">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MaxMin">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Limits">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Threshold">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="File">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch ID">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch Format">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Columns">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Rows">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Slot">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Creation Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Update Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Site">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Location">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Area">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Engineer">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Customer">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Note">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Grid">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="High Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="applied">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="not applied">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Low Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Probe">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gauge Serial Number">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Series">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Size">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Grade">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cell Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gauge Cell Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Readings">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Valid Readings">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Reading Positions">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Last Reading Position">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Mean">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Standard Deviation">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Max">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Min">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Range">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Below Low Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Above High Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Over Range">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Under Range">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Template">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Other">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown argument &quot;%1&quot;">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No folder given">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Folder not found: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="There are no batches to export">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="%1 (%2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="&quot;%1&quot; names no spreadsheet form: use .xls or .xml">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The batch file's %1 holds an invalid item &quot;%2&quot; at position %3">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The batch file's %1 holds %2 items where %3 cells are expected">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The batch file's %1 &quot;%2&quot; is not a valid date and time">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cover">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Half Cell">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Imperial">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ASTM/Canadian">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Japanese">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="High Tensile">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="304">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="316">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="DUPLEX">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid Batch Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="mm">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cell index out of range">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to Batch item">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid batch size %1 x %2: a batch holds at most %3 cells">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cell index out of range (%1, %2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to locate bar series name">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown bar series item">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid batch type - must be half-cell">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to convert data to cell type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The batch is too large for a summary of %1 columns by %2 rows">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="File Path">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="High Limit Applied">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Low Limit Applied">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="List index out of bounds (%1)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid argument to date encode">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="'%1' is not a valid date and time">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The folder already contains a file named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing file?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cell (%1, %2) lies outside the worksheet">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The workbook stream ends inside a record header">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The workbook stream ends inside a record of type 0x%1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The workbook has no sheet %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The workbook's sheet stream has no end">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The workbook's sheet %1 has no place for cells">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A workbook record of type 0x%1 is too long">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to File item">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot save file that is not loaded">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid file name in folder cache">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Copy of file and folders canceled">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The folder already contains a folder named '%1'&#13;&#10;&#13;&#10;If the files in the existing folder have the same name as the files in the&#13;&#10;folder you are moving or copying, they will be replaced.  Do you still&#13;&#10;want to move or copy the folder?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Destination same as source folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to create directories">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot read from the source file or disk">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to delete file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to move file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to delete directory %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Copy of %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Copy (%1) of %2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to copy, too many &quot;Copy of&quot; files">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to create file/folder, too many default named items.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Can not get locale info">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to assign object to TSettingsItem">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to assign object to TSettings">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="My DozazEdivo Data">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to store the storage directory in the configuration file">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to Template item">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot create file &quot;%1&quot;. %2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot write file &quot;%1&quot;. %2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot open file &quot;%1&quot;. %2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid cover unit type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid temperature unit type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Custom">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Default">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A3">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A4">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A5">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Executive">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Legal">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Letter">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Tabloid">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="in">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ft">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="m">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="mV">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="°F">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="°C">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid histogram bin size">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Communications Error: (%1)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Read data timeout">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Basic model not supported.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unexpected error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Polling on Port %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Polling on %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Retrieving Batch List...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Retrieving Batch Headers...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Retrieving Batch Readings...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Writing Templates...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to handle existing batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Deleting Batches...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid port number %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to store the serial port table in the configuration file">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Pseudo-terminal">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Communications Error: (Port not open)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Communications Error">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Permission denied on %1: add your user to the dialout group and log in again.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Write data failed">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to set baud rate">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Read Packet timeout">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No response to command">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid response to command">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Must support command">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Communications Error: ('%1' is not a valid hexadecimal value)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown Batch Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown Batch Format">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown Batch Series">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unexpected packet type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Data item out of expected batch dimensions">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unknown Bar Grade">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid Batch Format">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gauge memory full">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch already exists">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Top Left">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Top Middle">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Top Right">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Middle Left">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Middle Middle">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Middle Right">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bottom Left">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bottom Middle">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bottom Right">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Left">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Top">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Right">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bottom">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cover Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Half Cell Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Item name already in use.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to Page item">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Opening Page">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Inner Page">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Closing Page">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid Page Orientation">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Class %1 not found">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to Page object">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Too many items, please rename some.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="C:\Documents and Settings\ExampleUser\My Documents\My DozazEdivo Data\">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CellColour">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="WarningLimitCover">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report Value">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Every Cell">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="GradientMethod">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="LineColour">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Line">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ChartRun">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ChartHistogram">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ChartOverview">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="ChartCombinedOverview">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="BatchID">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FilePath">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="TodaysDate">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CreateDate">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UpdateDate">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="BatchFormat">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="HighLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="LowLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="GridSpacing">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="BarSeries">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Size">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="MeanAverage">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="StandardDeviation">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="BelowLowLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="AboveHighLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PerBelowLowLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PerAboveHighLimit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PageNumber">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Units">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="OverRange">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="UnderRange">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PerOverRange">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PerUnderRange">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="CellType">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="BarGrade">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Todays Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Create Date">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Grid Spacing">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Average">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Std. Dev.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="n &lt; Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="n &gt; Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="% &lt; Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="% &gt; Limit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Page No.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="n &gt;&gt;">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="n &lt;&lt;">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="% &gt;&gt;">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="% &lt;&lt;">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="FontColour">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Memo">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Data values only available on inner pages">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="-">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Rectangle">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Horizontal Line">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Vertical Line">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Shape">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="True">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="False">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Graphic">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bitmaps">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to compress picture">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to load picture file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot assign object to VentraxGraphic">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="(None)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="(Graphic)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid property value">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid boolean value '%1'">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid brush style '%1'">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Invalid pen style '%1'">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot copy value to property.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Property does not exist">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Expecting property list">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Page does not exist">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to start the print job">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to start a new page">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to write the PDF document information">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to write the PDF file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to write the picture %1: %2">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enlarge">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Show or hide the folder list">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Header">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Measurements">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to modify multiple batch items.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to save the batch file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Applied">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="File Location:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch ID:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Readings:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Date Created:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Date Updated:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Batch Format:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Columns:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Rows:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gauge High Limit:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gauge Low Limit:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Series:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Size:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Bar Grade:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cell Type:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Site:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Location:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Area:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Engineer:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Customer:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Note:">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Grid Spacing (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="High Limit (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Low Limit (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Temperature (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid high limit value (%1-%2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid low limit value (%1-%2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid column value (%1-%2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid row value (%1-%2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid grid size (%1 to %2)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="'%1' is not a valid floating point value">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter valid temperature (%1%2 to %3%4)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Data outside new batch size will be lost. Continue?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Name">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Type">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Format">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Download">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Upload">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Connection Established">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="The gauge already contains a batch named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing batch?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Please Wait...">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Are you sure you want to delete '%1'?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Are you sure you want to delete these %1 batches?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Select Data Folder">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Data">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A folder with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Version : %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="About">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Modified">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Are you sure you want to remove the folder named '%1' and all its contents?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Are you sure you want to delete these %1 items?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot rename unknown file type.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="A file with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Help">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Folder List">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Ventrax K27">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Templates">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Reports">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Local">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Rename">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Back">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Grid Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Linear Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Export">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Change Storage Directory">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Orvalis Help">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="New Batch">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Excel XLS (*.xls);;Excel XML (*.xml);;All Files (*)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Would you like to replace the existing file?">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Select the directory in which to store application data">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Unable to open the help file %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Specify the measurement units to be used when displaying cover depth, and grid dimensions.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="mm &amp; metres">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="inches &amp; feet">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Specify the measurement units to used when displaying temperature.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Celsius (ଌ)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Fahrenheit (ଏ)">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Email Report Format">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Specify the method in which a report will be emailed.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="PDF Document">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="JPEG Images">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Gradient Threshold">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Enter the threshold value to use for overview charts using a threshold gradient">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Report Page Thumbnail Quality">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Specify the quality of the report page thumbnails.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="High Quality">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Normal Quality">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No Thumbnail">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Communications Port">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Specify the communications port the Ventrax K27 Instrument is connected to.">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="General">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Interface">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="No Gauge">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cover (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Half-Cell (%1):">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Open">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Name: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Type: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Size: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Modified: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Location: %1">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
    <message id="Cannot open clipboard">
        <source></source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
