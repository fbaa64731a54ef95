<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name></name>
    <message id="Too many histogram bins">
        <source></source>
        <translation>Trop de classes d&apos;histogramme</translation>
    </message>
    <message id="None">
        <source></source>
        <translation>Aucun</translation>
    </message>
    <message id="Warning">
        <source></source>
        <translation>Avertissement</translation>
    </message>
    <message id="MaxMin">
        <source></source>
        <translation>MaxMin</translation>
    </message>
    <message id="Limits">
        <source></source>
        <translation>Limites</translation>
    </message>
    <message id="Threshold">
        <source></source>
        <translation>Seuil</translation>
    </message>
    <message id="File">
        <source></source>
        <translation>Fichier</translation>
    </message>
    <message id="Batch ID">
        <source></source>
        <translation>ID de série</translation>
    </message>
    <message id="Batch Type">
        <source></source>
        <translation>Type de série</translation>
    </message>
    <message id="Batch Format">
        <source></source>
        <translation>Format de série</translation>
    </message>
    <message id="Columns">
        <source></source>
        <translation>Colonnes</translation>
    </message>
    <message id="Rows">
        <source></source>
        <translation>Lignes</translation>
    </message>
    <message id="Slot">
        <source></source>
        <translation>Emplacement mémoire</translation>
    </message>
    <message id="Creation Date">
        <source></source>
        <translation>Date de création</translation>
    </message>
    <message id="Update Date">
        <source></source>
        <translation>Date de modification</translation>
    </message>
    <message id="Site">
        <source></source>
        <translation>Chantier</translation>
    </message>
    <message id="Location">
        <source></source>
        <translation>Emplacement</translation>
    </message>
    <message id="Area">
        <source></source>
        <translation>Zone</translation>
    </message>
    <message id="Engineer">
        <source></source>
        <translation>Ingénieur</translation>
    </message>
    <message id="Customer">
        <source></source>
        <translation>Client</translation>
    </message>
    <message id="Note">
        <source></source>
        <translation>Note</translation>
    </message>
    <message id="Grid">
        <source></source>
        <translation>Grille</translation>
    </message>
    <message id="High Limit">
        <source></source>
        <translation>Limite haute</translation>
    </message>
    <message id="applied">
        <source></source>
        <translation>appliquée</translation>
    </message>
    <message id="not applied">
        <source></source>
        <translation>non appliquée</translation>
    </message>
    <message id="Low Limit">
        <source></source>
        <translation>Limite basse</translation>
    </message>
    <message id="Probe">
        <source></source>
        <translation>Sonde</translation>
    </message>
    <message id="Gauge Serial Number">
        <source></source>
        <translation>Numéro de série de l&apos;appareil</translation>
    </message>
    <message id="Bar Series">
        <source></source>
        <translation>Série de barres</translation>
    </message>
    <message id="Bar Size">
        <source></source>
        <translation>Diamètre de barre</translation>
    </message>
    <message id="Bar Grade">
        <source></source>
        <translation>Nuance d&apos;acier</translation>
    </message>
    <message id="Cell Type">
        <source></source>
        <translation>Type d&apos;électrode</translation>
    </message>
    <message id="Gauge Cell Type">
        <source></source>
        <translation>Type d&apos;électrode de l&apos;appareil</translation>
    </message>
    <message id="Temperature">
        <source></source>
        <translation>Température</translation>
    </message>
    <message id="Readings">
        <source></source>
        <translation>Mesures</translation>
    </message>
    <message id="Valid Readings">
        <source></source>
        <translation>Mesures valides</translation>
    </message>
    <message id="Reading Positions">
        <source></source>
        <translation>Positions de mesure</translation>
    </message>
    <message id="Last Reading Position">
        <source></source>
        <translation>Dernière position de mesure</translation>
    </message>
    <message id="Mean">
        <source></source>
        <translation>Moyenne</translation>
    </message>
    <message id="Standard Deviation">
        <source></source>
        <translation>Écart type</translation>
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
        <translation>Étendue</translation>
    </message>
    <message id="Below Low Limit">
        <source></source>
        <translation>Sous la limite basse</translation>
    </message>
    <message id="Above High Limit">
        <source></source>
        <translation>Au-dessus de la limite haute</translation>
    </message>
    <message id="Over Range">
        <source></source>
        <translation>Hors plage haute</translation>
    </message>
    <message id="Under Range">
        <source></source>
        <translation>Hors plage basse</translation>
    </message>
    <message id="Folder">
        <source></source>
        <translation>Dossier</translation>
    </message>
    <message id="Batch">
        <source></source>
        <translation>Série</translation>
    </message>
    <message id="Template">
        <source></source>
        <translation>Modèle</translation>
    </message>
    <message id="Report">
        <source></source>
        <translation>Rapport</translation>
    </message>
    <message id="Other">
        <source></source>
        <translation>Autre</translation>
    </message>
    <message id="Unknown argument &quot;%1&quot;">
        <source></source>
        <translation>Argument inconnu « %1 »</translation>
    </message>
    <message id="No folder given">
        <source></source>
        <translation>Aucun dossier indiqué</translation>
    </message>
    <message id="Folder not found: %1">
        <source></source>
        <translation>Dossier introuvable : %1</translation>
    </message>
    <message id="There are no batches to export">
        <source></source>
        <translation>Aucune série à exporter</translation>
    </message>
    <message id="%1 (%2)">
        <source></source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="The batch file's %1 holds an invalid item &quot;%2&quot; at position %3">
        <source></source>
        <translation>Le champ %1 du fichier de série contient un élément non valide « %2 » à la position %3</translation>
    </message>
    <message id="The batch file's %1 holds %2 items where %3 cells are expected">
        <source></source>
        <translation>Le champ %1 du fichier de série contient %2 éléments alors que %3 cellules sont attendues</translation>
    </message>
    <message id="The batch file's %1 &quot;%2&quot; is not a valid date and time">
        <source></source>
        <translation>Le champ %1 « %2 » du fichier de série n&apos;est pas une date et heure valide</translation>
    </message>
    <message id="The batch file's size of %1 columns by %2 rows is not valid (at most %3 cells)">
        <source></source>
        <translation>La taille du fichier de série, %1 colonnes sur %2 lignes, n&apos;est pas valide (au plus %3 cellules)</translation>
    </message>
    <message id="Linear">
        <source></source>
        <translation>Linéaire</translation>
    </message>
    <message id="Cover">
        <source></source>
        <translation>Enrobage</translation>
    </message>
    <message id="Half Cell">
        <source></source>
        <translation>Demi-cellule</translation>
    </message>
    <message id="Metric">
        <source></source>
        <translation>Métrique</translation>
    </message>
    <message id="Imperial">
        <source></source>
        <translation>Impérial</translation>
    </message>
    <message id="ASTM/Canadian">
        <source></source>
        <translation>ASTM/Canadien</translation>
    </message>
    <message id="Japanese">
        <source></source>
        <translation>Japonais</translation>
    </message>
    <message id="High Tensile">
        <source></source>
        <translation>Haute résistance</translation>
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
        <translation>Type de série non valide</translation>
    </message>
    <message id="mm">
        <source></source>
        <translation>mm</translation>
    </message>
    <message id="Cell index out of range">
        <source></source>
        <translation>Indice de cellule hors limites</translation>
    </message>
    <message id="Cannot assign object to Batch item">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à un élément de série</translation>
    </message>
    <message id="Invalid batch size %1 x %2: a batch holds at most %3 cells">
        <source></source>
        <translation>Taille de série non valide %1 x %2 : une série contient au plus %3 cellules</translation>
    </message>
    <message id="Cell index out of range (%1, %2)">
        <source></source>
        <translation>Indice de cellule hors limites (%1, %2)</translation>
    </message>
    <message id="Unable to locate bar series name">
        <source></source>
        <translation>Nom de série de barres introuvable</translation>
    </message>
    <message id="Unknown bar series item">
        <source></source>
        <translation>Élément de série de barres inconnu</translation>
    </message>
    <message id="Invalid batch type - must be half-cell">
        <source></source>
        <translation>Type de série non valide – doit être demi-cellule</translation>
    </message>
    <message id="Unable to convert data to cell type">
        <source></source>
        <translation>Impossible de convertir les données en type d&apos;électrode</translation>
    </message>
    <message id="Yes">
        <source></source>
        <translation>Oui</translation>
    </message>
    <message id="No">
        <source></source>
        <translation>Non</translation>
    </message>
    <message id="The batch is too large for a summary of %1 columns by %2 rows">
        <source></source>
        <translation>La série est trop grande pour une vue d&apos;ensemble de %1 colonnes sur %2 lignes</translation>
    </message>
    <message id="File Path">
        <source></source>
        <translation>Chemin du fichier</translation>
    </message>
    <message id="High Limit Applied">
        <source></source>
        <translation>Limite haute appliquée</translation>
    </message>
    <message id="Low Limit Applied">
        <source></source>
        <translation>Limite basse appliquée</translation>
    </message>
    <message id="Unit">
        <source></source>
        <translation>Unité</translation>
    </message>
    <message id="List index out of bounds (%1)">
        <source></source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message id="Invalid argument to date encode">
        <source></source>
        <translation>Argument non valide pour le codage de la date</translation>
    </message>
    <message id="'%1' is not a valid date and time">
        <source></source>
        <translation>&apos;%1&apos; n&apos;est pas une date et heure valide</translation>
    </message>
    <message id="The folder already contains a file named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing file?">
        <source></source>
        <translation>Le dossier contient déjà un fichier nommé &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message id="Cell (%1, %2) lies outside the worksheet">
        <source></source>
        <translation>La cellule (%1, %2) est en dehors de la feuille de calcul</translation>
    </message>
    <message id="The workbook stream ends inside a record header">
        <source></source>
        <translation>Le flux du classeur se termine au milieu d&apos;un en-tête d&apos;enregistrement</translation>
    </message>
    <message id="The workbook stream ends inside a record of type 0x%1">
        <source></source>
        <translation>Le flux du classeur se termine au milieu d&apos;un enregistrement de type 0x%1</translation>
    </message>
    <message id="The workbook has no sheet %1">
        <source></source>
        <translation>Le classeur n&apos;a pas de feuille %1</translation>
    </message>
    <message id="The workbook's sheet stream has no end">
        <source></source>
        <translation>Le flux de la feuille du classeur n&apos;a pas de fin</translation>
    </message>
    <message id="The workbook's sheet %1 has no place for cells">
        <source></source>
        <translation>La feuille %1 du classeur n&apos;a pas de place pour les cellules</translation>
    </message>
    <message id="A workbook record of type 0x%1 is too long">
        <source></source>
        <translation>Un enregistrement de classeur de type 0x%1 est trop long</translation>
    </message>
    <message id="Cannot assign object to File item">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à un élément de fichier</translation>
    </message>
    <message id="Cannot save file that is not loaded">
        <source></source>
        <translation>Impossible d&apos;enregistrer un fichier qui n&apos;est pas chargé</translation>
    </message>
    <message id="Invalid file name in folder cache">
        <source></source>
        <translation>Nom de fichier non valide dans le cache du dossier</translation>
    </message>
    <message id="Copy of file and folders canceled">
        <source></source>
        <translation>Copie du fichier et des dossiers annulée</translation>
    </message>
    <message id="The folder already contains a folder named '%1'&#13;&#10;&#13;&#10;If the files in the existing folder have the same name as the files in the&#13;&#10;folder you are moving or copying, they will be replaced.  Do you still&#13;&#10;want to move or copy the folder?">
        <source></source>
        <translation>Le dossier contient déjà un dossier nommé &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Si des fichiers du dossier existant portent le même nom que des fichiers du<byte value="xd"/>
dossier que vous déplacez ou copiez, ils seront remplacés.  Voulez-vous tout de même<byte value="xd"/>
déplacer ou copier le dossier ?</translation>
    </message>
    <message id="Destination same as source folder">
        <source></source>
        <translation>La destination est identique au dossier source</translation>
    </message>
    <message id="Unable to create directories">
        <source></source>
        <translation>Impossible de créer les répertoires</translation>
    </message>
    <message id="Cannot read from the source file or disk">
        <source></source>
        <translation>Impossible de lire le fichier source ou le disque</translation>
    </message>
    <message id="Unable to delete file %1">
        <source></source>
        <translation>Impossible de supprimer le fichier %1</translation>
    </message>
    <message id="Unable to move file %1">
        <source></source>
        <translation>Impossible de déplacer le fichier %1</translation>
    </message>
    <message id="Unable to delete directory %1">
        <source></source>
        <translation>Impossible de supprimer le répertoire %1</translation>
    </message>
    <message id="Copy of %1">
        <source></source>
        <translation>Copie de %1</translation>
    </message>
    <message id="Copy (%1) of %2">
        <source></source>
        <translation>Copie (%1) de %2</translation>
    </message>
    <message id="Unable to copy, too many &quot;Copy of&quot; files">
        <source></source>
        <translation>Copie impossible, trop de fichiers « Copie de »</translation>
    </message>
    <message id="Unable to create file/folder, too many default named items.">
        <source></source>
        <translation>Impossible de créer le fichier ou dossier, trop d&apos;éléments portent le nom par défaut.</translation>
    </message>
    <message id="Can not get locale info">
        <source></source>
        <translation>Impossible d&apos;obtenir les informations de paramètres régionaux</translation>
    </message>
    <message id="Unable to assign object to TSettingsItem">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à TSettingsItem</translation>
    </message>
    <message id="Unable to assign object to TSettings">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à TSettings</translation>
    </message>
    <message id="My DozazEdivo Data">
        <source></source>
        <translation>My DozazEdivo Data</translation>
    </message>
    <message id="Unable to store the storage directory in the configuration file">
        <source></source>
        <translation>Impossible d&apos;enregistrer le répertoire de données dans le fichier de configuration</translation>
    </message>
    <message id="Cannot assign object to Template item">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à un élément de modèle</translation>
    </message>
    <message id="Cannot create file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossible de créer le fichier « %1 ». %2</translation>
    </message>
    <message id="Cannot write file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossible d&apos;écrire le fichier « %1 ». %2</translation>
    </message>
    <message id="Cannot open file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message id="Invalid cover unit type">
        <source></source>
        <translation>Unité d&apos;enrobage non valide</translation>
    </message>
    <message id="Invalid temperature unit type">
        <source></source>
        <translation>Unité de température non valide</translation>
    </message>
    <message id="Custom">
        <source></source>
        <translation>Personnalisé</translation>
    </message>
    <message id="Default">
        <source></source>
        <translation>Par défaut</translation>
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
        <translation>Tabloïd</translation>
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
        <translation>Largeur de classe d&apos;histogramme non valide</translation>
    </message>
    <message id="Communications Error: (%1)">
        <source></source>
        <translation>Erreur de communication : (%1)</translation>
    </message>
    <message id="Read data timeout">
        <source></source>
        <translation>Délai de lecture des données dépassé</translation>
    </message>
    <message id="Basic model not supported.">
        <source></source>
        <translation>Le modèle de base n&apos;est pas pris en charge.</translation>
    </message>
    <message id="Unexpected error">
        <source></source>
        <translation>Erreur inattendue</translation>
    </message>
    <message id="Polling on Port %1">
        <source></source>
        <translation>Interrogation sur le port %1</translation>
    </message>
    <message id="Polling on %1">
        <source></source>
        <translation>Interrogation sur %1</translation>
    </message>
    <message id="Retrieving Batch List...">
        <source></source>
        <translation>Récupération de la liste des séries...</translation>
    </message>
    <message id="Retrieving Batch Headers...">
        <source></source>
        <translation>Récupération des en-têtes de séries...</translation>
    </message>
    <message id="Retrieving Batch Readings...">
        <source></source>
        <translation>Récupération des mesures des séries...</translation>
    </message>
    <message id="Writing Templates...">
        <source></source>
        <translation>Écriture des modèles...</translation>
    </message>
    <message id="Unable to handle existing batch">
        <source></source>
        <translation>Impossible de traiter la série existante</translation>
    </message>
    <message id="Deleting Batches...">
        <source></source>
        <translation>Suppression des séries...</translation>
    </message>
    <message id="Invalid port number %1">
        <source></source>
        <translation>Numéro de port non valide %1</translation>
    </message>
    <message id="Unable to store the serial port table in the configuration file">
        <source></source>
        <translation>Impossible d&apos;enregistrer la table des ports série dans le fichier de configuration</translation>
    </message>
    <message id="Pseudo-terminal">
        <source></source>
        <translation>Pseudo-terminal</translation>
    </message>
    <message id="Communications Error: (Port not open)">
        <source></source>
        <translation>Erreur de communication : (port non ouvert)</translation>
    </message>
    <message id="Communications Error">
        <source></source>
        <translation>Erreur de communication</translation>
    </message>
    <message id="Permission denied on %1: add your user to the dialout group and log in again.">
        <source></source>
        <translation>Accès refusé à %1 : ajoutez votre utilisateur au groupe dialout et reconnectez-vous.</translation>
    </message>
    <message id="Write data failed">
        <source></source>
        <translation>Échec de l&apos;écriture des données</translation>
    </message>
    <message id="Unable to set baud rate">
        <source></source>
        <translation>Impossible de régler le débit en bauds</translation>
    </message>
    <message id="Read Packet timeout">
        <source></source>
        <translation>Délai de lecture du paquet dépassé</translation>
    </message>
    <message id="No response to command">
        <source></source>
        <translation>Aucune réponse à la commande</translation>
    </message>
    <message id="Invalid response to command">
        <source></source>
        <translation>Réponse non valide à la commande</translation>
    </message>
    <message id="Must support command">
        <source></source>
        <translation>La commande doit être prise en charge</translation>
    </message>
    <message id="Communications Error: ('%1' is not a valid hexadecimal value)">
        <source></source>
        <translation>Erreur de communication : (&apos;%1&apos; n&apos;est pas une valeur hexadécimale valide)</translation>
    </message>
    <message id="Unknown Batch Type">
        <source></source>
        <translation>Type de série inconnu</translation>
    </message>
    <message id="Unknown Batch Format">
        <source></source>
        <translation>Format de série inconnu</translation>
    </message>
    <message id="Unknown Batch Series">
        <source></source>
        <translation>Série de barres inconnue</translation>
    </message>
    <message id="Unexpected packet type">
        <source></source>
        <translation>Type de paquet inattendu</translation>
    </message>
    <message id="Data item out of expected batch dimensions">
        <source></source>
        <translation>Donnée hors des dimensions attendues de la série</translation>
    </message>
    <message id="Unknown Bar Grade">
        <source></source>
        <translation>Nuance d&apos;acier inconnue</translation>
    </message>
    <message id="Invalid Batch Format">
        <source></source>
        <translation>Format de série non valide</translation>
    </message>
    <message id="Gauge memory full">
        <source></source>
        <translation>Mémoire de l&apos;appareil pleine</translation>
    </message>
    <message id="Batch already exists">
        <source></source>
        <translation>La série existe déjà</translation>
    </message>
    <message id="Top Left">
        <source></source>
        <translation>En haut à gauche</translation>
    </message>
    <message id="Top Middle">
        <source></source>
        <translation>En haut au centre</translation>
    </message>
    <message id="Top Right">
        <source></source>
        <translation>En haut à droite</translation>
    </message>
    <message id="Middle Left">
        <source></source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message id="Middle Middle">
        <source></source>
        <translation>Au centre</translation>
    </message>
    <message id="Middle Right">
        <source></source>
        <translation>Au milieu à droite</translation>
    </message>
    <message id="Bottom Left">
        <source></source>
        <translation>En bas à gauche</translation>
    </message>
    <message id="Bottom Middle">
        <source></source>
        <translation>En bas au centre</translation>
    </message>
    <message id="Bottom Right">
        <source></source>
        <translation>En bas à droite</translation>
    </message>
    <message id="Left">
        <source></source>
        <translation>Gauche</translation>
    </message>
    <message id="Top">
        <source></source>
        <translation>Haut</translation>
    </message>
    <message id="Right">
        <source></source>
        <translation>Droite</translation>
    </message>
    <message id="Bottom">
        <source></source>
        <translation>Bas</translation>
    </message>
    <message id="Cover Batch">
        <source></source>
        <translation>Série d&apos;enrobage</translation>
    </message>
    <message id="Half Cell Batch">
        <source></source>
        <translation>Série demi-cellule</translation>
    </message>
    <message id="Item name already in use.">
        <source></source>
        <translation>Ce nom d&apos;élément est déjà utilisé.</translation>
    </message>
    <message id="Cannot assign object to Page item">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à un élément de page</translation>
    </message>
    <message id="Opening Page">
        <source></source>
        <translation>Page d&apos;ouverture</translation>
    </message>
    <message id="Inner Page">
        <source></source>
        <translation>Page intérieure</translation>
    </message>
    <message id="Closing Page">
        <source></source>
        <translation>Page de clôture</translation>
    </message>
    <message id="Portrait">
        <source></source>
        <translation>Portrait</translation>
    </message>
    <message id="Landscape">
        <source></source>
        <translation>Paysage</translation>
    </message>
    <message id="Invalid Page Orientation">
        <source></source>
        <translation>Orientation de page non valide</translation>
    </message>
    <message id="Class %1 not found">
        <source></source>
        <translation>Classe %1 introuvable</translation>
    </message>
    <message id="Cannot assign object to Page object">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à un objet de page</translation>
    </message>
    <message id="Too many items, please rename some.">
        <source></source>
        <translation>Trop d&apos;éléments, veuillez en renommer certains.</translation>
    </message>
    <message id="C:\Documents and Settings\ExampleUser\My Documents\My DozazEdivo Data\">
        <source></source>
        <translation>C:\Documents and Settings\Utilisateur\Mes documents\My DozazEdivo Data\</translation>
    </message>
    <message id="CellColour">
        <source></source>
        <translation>Couleur de cellule</translation>
    </message>
    <message id="WarningLimitCover">
        <source></source>
        <translation>Limite d&apos;alerte enrobage</translation>
    </message>
    <message id="Report Value">
        <source></source>
        <translation>Valeur du rapport</translation>
    </message>
    <message id="Every Cell">
        <source></source>
        <translation>Chaque cellule</translation>
    </message>
    <message id="GradientMethod">
        <source></source>
        <translation>Méthode de dégradé</translation>
    </message>
    <message id="LineColour">
        <source></source>
        <translation>Couleur de ligne</translation>
    </message>
    <message id="Line">
        <source></source>
        <translation>Ligne</translation>
    </message>
    <message id="Bar">
        <source></source>
        <translation>Barre</translation>
    </message>
    <message id="BatchID">
        <source></source>
        <translation>ID de série</translation>
    </message>
    <message id="FilePath">
        <source></source>
        <translation>Chemin du fichier</translation>
    </message>
    <message id="TodaysDate">
        <source></source>
        <translation>Date du jour</translation>
    </message>
    <message id="CreateDate">
        <source></source>
        <translation>Date de création</translation>
    </message>
    <message id="UpdateDate">
        <source></source>
        <translation>Date de modification</translation>
    </message>
    <message id="BatchFormat">
        <source></source>
        <translation>Format de série</translation>
    </message>
    <message id="HighLimit">
        <source></source>
        <translation>Limite haute</translation>
    </message>
    <message id="LowLimit">
        <source></source>
        <translation>Limite basse</translation>
    </message>
    <message id="GridSpacing">
        <source></source>
        <translation>Pas de grille</translation>
    </message>
    <message id="BarSeries">
        <source></source>
        <translation>Série de barres</translation>
    </message>
    <message id="Size">
        <source></source>
        <translation>Diamètre de barre</translation>
    </message>
    <message id="MeanAverage">
        <source></source>
        <translation>Moyenne</translation>
    </message>
    <message id="StandardDeviation">
        <source></source>
        <translation>Écart type</translation>
    </message>
    <message id="BelowLowLimit">
        <source></source>
        <translation>Sous la limite basse</translation>
    </message>
    <message id="AboveHighLimit">
        <source></source>
        <translation>Au-dessus de la limite haute</translation>
    </message>
    <message id="PerBelowLowLimit">
        <source></source>
        <translation>Pourcentage sous la limite basse</translation>
    </message>
    <message id="PerAboveHighLimit">
        <source></source>
        <translation>Pourcentage au-dessus de la limite haute</translation>
    </message>
    <message id="PageNumber">
        <source></source>
        <translation>Numéro de page</translation>
    </message>
    <message id="Units">
        <source></source>
        <translation>Unités</translation>
    </message>
    <message id="OverRange">
        <source></source>
        <translation>Hors plage haute</translation>
    </message>
    <message id="UnderRange">
        <source></source>
        <translation>Hors plage basse</translation>
    </message>
    <message id="PerOverRange">
        <source></source>
        <translation>Pourcentage hors plage haute</translation>
    </message>
    <message id="PerUnderRange">
        <source></source>
        <translation>Pourcentage hors plage basse</translation>
    </message>
    <message id="CellType">
        <source></source>
        <translation>Type d&apos;électrode</translation>
    </message>
    <message id="BarGrade">
        <source></source>
        <translation>Nuance d&apos;acier</translation>
    </message>
    <message id="Todays Date">
        <source></source>
        <translation>Date du jour</translation>
    </message>
    <message id="Create Date">
        <source></source>
        <translation>Créé le</translation>
    </message>
    <message id="Grid Spacing">
        <source></source>
        <translation>Pas de grille</translation>
    </message>
    <message id="Average">
        <source></source>
        <translation>Moyenne</translation>
    </message>
    <message id="Std. Dev.">
        <source></source>
        <translation>Écart type</translation>
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
        <translation>Page n°</translation>
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
        <translation>Couleur de police</translation>
    </message>
    <message id="Data values only available on inner pages">
        <source></source>
        <translation>Valeurs de données disponibles uniquement sur les pages intérieures</translation>
    </message>
    <message id="-">
        <source></source>
        <translation>-</translation>
    </message>
    <message id="Rectangle">
        <source></source>
        <translation>Rectangle</translation>
    </message>
    <message id="Horizontal Line">
        <source></source>
        <translation>Ligne horizontale</translation>
    </message>
    <message id="Vertical Line">
        <source></source>
        <translation>Ligne verticale</translation>
    </message>
    <message id="True">
        <source></source>
        <translation>Vrai</translation>
    </message>
    <message id="False">
        <source></source>
        <translation>Faux</translation>
    </message>
    <message id="Bitmaps">
        <source></source>
        <translation>Images bitmap</translation>
    </message>
    <message id="Unable to compress picture">
        <source></source>
        <translation>Impossible de compresser l&apos;image</translation>
    </message>
    <message id="Unable to load picture file %1">
        <source></source>
        <translation>Impossible de charger le fichier image %1</translation>
    </message>
    <message id="Cannot assign object to VentraxGraphic">
        <source></source>
        <translation>Impossible d&apos;affecter l&apos;objet à VentraxGraphic</translation>
    </message>
    <message id="(None)">
        <source></source>
        <translation>(Aucun)</translation>
    </message>
    <message id="(Graphic)">
        <source></source>
        <translation>(Graphique)</translation>
    </message>
    <message id="Invalid property value">
        <source></source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message id="Invalid boolean value '%1'">
        <source></source>
        <translation>Valeur booléenne non valide &apos;%1&apos;</translation>
    </message>
    <message id="Invalid brush style '%1'">
        <source></source>
        <translation>Style de pinceau non valide &apos;%1&apos;</translation>
    </message>
    <message id="Invalid pen style '%1'">
        <source></source>
        <translation>Style de crayon non valide &apos;%1&apos;</translation>
    </message>
    <message id="Cannot copy value to property.">
        <source></source>
        <translation>Impossible de copier la valeur dans la propriété.</translation>
    </message>
    <message id="Property does not exist">
        <source></source>
        <translation>La propriété n&apos;existe pas</translation>
    </message>
    <message id="Expecting property list">
        <source></source>
        <translation>Liste de propriétés attendue</translation>
    </message>
    <message id="Page does not exist">
        <source></source>
        <translation>La page n&apos;existe pas</translation>
    </message>
    <message id="Unable to start the print job">
        <source></source>
        <translation>Impossible de lancer l&apos;impression</translation>
    </message>
    <message id="Unable to start a new page">
        <source></source>
        <translation>Impossible de commencer une nouvelle page</translation>
    </message>
    <message id="Unable to write the PDF document information">
        <source></source>
        <translation>Impossible d&apos;écrire les informations du document PDF</translation>
    </message>
    <message id="Unable to write the PDF file %1">
        <source></source>
        <translation>Impossible d&apos;écrire le fichier PDF %1</translation>
    </message>
    <message id="Unable to write the picture %1: %2">
        <source></source>
        <translation>Impossible d&apos;écrire l&apos;image %1 : %2</translation>
    </message>
    <message id="Enlarge">
        <source></source>
        <translation>Agrandir</translation>
    </message>
    <message id="Show or hide the folder list">
        <source></source>
        <translation>Afficher ou masquer la liste des dossiers</translation>
    </message>
    <message id="Header">
        <source></source>
        <translation>En-tête</translation>
    </message>
    <message id="Measurements">
        <source></source>
        <translation>Mesures</translation>
    </message>
    <message id="Unable to modify multiple batch items.">
        <source></source>
        <translation>Impossible de modifier plusieurs séries à la fois.</translation>
    </message>
    <message id="Unable to save the batch file %1">
        <source></source>
        <translation>Impossible d&apos;enregistrer le fichier de série %1</translation>
    </message>
    <message id="Applied">
        <source></source>
        <translation>Appliquée</translation>
    </message>
    <message id="File Location:">
        <source></source>
        <translation>Emplacement du fichier :</translation>
    </message>
    <message id="Batch ID:">
        <source></source>
        <translation>ID de série :</translation>
    </message>
    <message id="Readings:">
        <source></source>
        <translation>Mesures :</translation>
    </message>
    <message id="Date Created:">
        <source></source>
        <translation>Date de création :</translation>
    </message>
    <message id="Date Updated:">
        <source></source>
        <translation>Date de modification :</translation>
    </message>
    <message id="Batch Format:">
        <source></source>
        <translation>Format de série :</translation>
    </message>
    <message id="Columns:">
        <source></source>
        <translation>Colonnes :</translation>
    </message>
    <message id="Rows:">
        <source></source>
        <translation>Lignes :</translation>
    </message>
    <message id="Gauge High Limit:">
        <source></source>
        <translation>Limite haute de l&apos;appareil :</translation>
    </message>
    <message id="Gauge Low Limit:">
        <source></source>
        <translation>Limite basse de l&apos;appareil :</translation>
    </message>
    <message id="Bar Series:">
        <source></source>
        <translation>Série de barres :</translation>
    </message>
    <message id="Bar Size:">
        <source></source>
        <translation>Diamètre de barre :</translation>
    </message>
    <message id="Bar Grade:">
        <source></source>
        <translation>Nuance d&apos;acier :</translation>
    </message>
    <message id="Cell Type:">
        <source></source>
        <translation>Type d&apos;électrode :</translation>
    </message>
    <message id="Site:">
        <source></source>
        <translation>Chantier :</translation>
    </message>
    <message id="Location:">
        <source></source>
        <translation>Emplacement :</translation>
    </message>
    <message id="Area:">
        <source></source>
        <translation>Zone :</translation>
    </message>
    <message id="Engineer:">
        <source></source>
        <translation>Ingénieur :</translation>
    </message>
    <message id="Customer:">
        <source></source>
        <translation>Client :</translation>
    </message>
    <message id="Note:">
        <source></source>
        <translation>Note :</translation>
    </message>
    <message id="Grid Spacing (%1):">
        <source></source>
        <translation>Pas de grille (%1) :</translation>
    </message>
    <message id="High Limit (%1):">
        <source></source>
        <translation>Limite haute (%1) :</translation>
    </message>
    <message id="Low Limit (%1):">
        <source></source>
        <translation>Limite basse (%1) :</translation>
    </message>
    <message id="Temperature (%1):">
        <source></source>
        <translation>Température (%1) :</translation>
    </message>
    <message id="Enter valid high limit value (%1-%2)">
        <source></source>
        <translation>Saisissez une limite haute valide (%1-%2)</translation>
    </message>
    <message id="Enter valid low limit value (%1-%2)">
        <source></source>
        <translation>Saisissez une limite basse valide (%1-%2)</translation>
    </message>
    <message id="Enter valid column value (%1-%2)">
        <source></source>
        <translation>Saisissez un nombre de colonnes valide (%1-%2)</translation>
    </message>
    <message id="Enter valid row value (%1-%2)">
        <source></source>
        <translation>Saisissez un nombre de lignes valide (%1-%2)</translation>
    </message>
    <message id="Enter valid grid size (%1 to %2)">
        <source></source>
        <translation>Saisissez un pas de grille valide (%1 à %2)</translation>
    </message>
    <message id="'%1' is not a valid floating point value">
        <source></source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre à virgule flottante valide</translation>
    </message>
    <message id="Enter valid temperature (%1%2 to %3%4)">
        <source></source>
        <translation>Saisissez une température valide (%1%2 à %3%4)</translation>
    </message>
    <message id="Data outside new batch size will be lost. Continue?">
        <source></source>
        <translation>Les données hors de la nouvelle taille de série seront perdues. Continuer ?</translation>
    </message>
    <message id="Name">
        <source></source>
        <translation>Nom</translation>
    </message>
    <message id="Type">
        <source></source>
        <translation>Type</translation>
    </message>
    <message id="Format">
        <source></source>
        <translation>Format</translation>
    </message>
    <message id="Download">
        <source></source>
        <translation>Télécharger</translation>
    </message>
    <message id="Upload">
        <source></source>
        <translation>Envoyer</translation>
    </message>
    <message id="Refresh">
        <source></source>
        <translation>Actualiser</translation>
    </message>
    <message id="Delete">
        <source></source>
        <translation>Supprimer</translation>
    </message>
    <message id="The gauge already contains a batch named '%1'&#13;&#10;&#13;&#10;Would you like to replace the existing batch?">
        <source></source>
        <translation>L&apos;appareil contient déjà une série nommée &apos;%1&apos;<byte value="xd"/>
<byte value="xd"/>
Voulez-vous remplacer la série existante ?</translation>
    </message>
    <message id="Please Wait...">
        <source></source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message id="Are you sure you want to delete '%1'?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer &apos;%1&apos; ?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 batches?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer ces %1 séries ?</translation>
    </message>
    <message id="New Folder">
        <source></source>
        <translation>Nouveau dossier</translation>
    </message>
    <message id="Select Data Folder">
        <source></source>
        <translation>Sélectionner le dossier de données</translation>
    </message>
    <message id="Data">
        <source></source>
        <translation>Données</translation>
    </message>
    <message id="A folder with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Un dossier portant ce nom existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message id="New">
        <source></source>
        <translation>Nouveau</translation>
    </message>
    <message id="Version : %1">
        <source></source>
        <translation>Version : %1</translation>
    </message>
    <message id="About">
        <source></source>
        <translation>À propos</translation>
    </message>
    <message id="Modified">
        <source></source>
        <translation>Modifié</translation>
    </message>
    <message id="Are you sure you want to remove the folder named '%1' and all its contents?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer le dossier &apos;%1&apos; et tout son contenu ?</translation>
    </message>
    <message id="Are you sure you want to delete these %1 items?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer ces %1 éléments ?</translation>
    </message>
    <message id="Cannot rename unknown file type.">
        <source></source>
        <translation>Impossible de renommer un type de fichier inconnu.</translation>
    </message>
    <message id="A file with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Un fichier portant ce nom existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message id="Help">
        <source></source>
        <translation>Aide</translation>
    </message>
    <message id="Folder List">
        <source></source>
        <translation>Liste des dossiers</translation>
    </message>
    <message id="Ventrax K27">
        <source></source>
        <translation>Ventrax K27</translation>
    </message>
    <message id="Templates">
        <source></source>
        <translation>Modèles</translation>
    </message>
    <message id="Reports">
        <source></source>
        <translation>Rapports</translation>
    </message>
    <message id="Local">
        <source></source>
        <translation>Local</translation>
    </message>
    <message id="Rename">
        <source></source>
        <translation>Renommer</translation>
    </message>
    <message id="Cut">
        <source></source>
        <translation>Couper</translation>
    </message>
    <message id="Copy">
        <source></source>
        <translation>Copier</translation>
    </message>
    <message id="Paste">
        <source></source>
        <translation>Coller</translation>
    </message>
    <message id="Select All">
        <source></source>
        <translation>Tout sélectionner</translation>
    </message>
    <message id="Back">
        <source></source>
        <translation>Retour</translation>
    </message>
    <message id="Grid Batch">
        <source></source>
        <translation>Série en grille</translation>
    </message>
    <message id="Linear Batch">
        <source></source>
        <translation>Série linéaire</translation>
    </message>
    <message id="Export">
        <source></source>
        <translation>Exporter</translation>
    </message>
    <message id="Change Storage Directory">
        <source></source>
        <translation>Changer le répertoire de données</translation>
    </message>
    <message id="Preferences">
        <source></source>
        <translation>Préférences</translation>
    </message>
    <message id="Exit">
        <source></source>
        <translation>Quitter</translation>
    </message>
    <message id="Orvalis Help">
        <source></source>
        <translation>Aide d&apos;Orvalis</translation>
    </message>
    <message id="New Batch">
        <source></source>
        <translation>Nouvelle série</translation>
    </message>
    <message id="Would you like to replace the existing file?">
        <source></source>
        <translation>Voulez-vous remplacer le fichier existant ?</translation>
    </message>
    <message id="Select the directory in which to store application data">
        <source></source>
        <translation>Sélectionnez le répertoire où enregistrer les données du programme</translation>
    </message>
    <message id="Unable to open the help file %1">
        <source></source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide %1</translation>
    </message>
    <message id="Cancel">
        <source></source>
        <translation>Annuler</translation>
    </message>
    <message id="Specify the measurement units to be used when displaying cover depth, and grid dimensions.">
        <source></source>
        <translation>Indiquez les unités de mesure pour l&apos;affichage de l&apos;enrobage et des dimensions de grille.</translation>
    </message>
    <message id="mm &amp; metres">
        <source></source>
        <translation>mm &amp; mètres</translation>
    </message>
    <message id="inches &amp; feet">
        <source></source>
        <translation>pouces &amp; pieds</translation>
    </message>
    <message id="Specify the measurement units to used when displaying temperature.">
        <source></source>
        <translation>Indiquez l&apos;unité de mesure pour l&apos;affichage de la température.</translation>
    </message>
    <message id="Email Report Format">
        <source></source>
        <translation>Format des rapports envoyés par e-mail</translation>
    </message>
    <message id="Specify the method in which a report will be emailed.">
        <source></source>
        <translation>Indiquez sous quelle forme un rapport est envoyé par e-mail.</translation>
    </message>
    <message id="PDF Document">
        <source></source>
        <translation>Document PDF</translation>
    </message>
    <message id="JPEG Images">
        <source></source>
        <translation>Images JPEG</translation>
    </message>
    <message id="Gradient Threshold">
        <source></source>
        <translation>Seuil du dégradé</translation>
    </message>
    <message id="Enter the threshold value to use for overview charts using a threshold gradient">
        <source></source>
        <translation>Saisissez la valeur de seuil des graphiques de vue d&apos;ensemble à dégradé par seuil</translation>
    </message>
    <message id="Report Page Thumbnail Quality">
        <source></source>
        <translation>Qualité des miniatures des pages de rapport</translation>
    </message>
    <message id="Specify the quality of the report page thumbnails.">
        <source></source>
        <translation>Indiquez la qualité des miniatures des pages de rapport.</translation>
    </message>
    <message id="High Quality">
        <source></source>
        <translation>Haute qualité</translation>
    </message>
    <message id="Normal Quality">
        <source></source>
        <translation>Qualité normale</translation>
    </message>
    <message id="No Thumbnail">
        <source></source>
        <translation>Pas de miniature</translation>
    </message>
    <message id="Communications Port">
        <source></source>
        <translation>Port de communication</translation>
    </message>
    <message id="Specify the communications port the Ventrax K27 Instrument is connected to.">
        <source></source>
        <translation>Indiquez le port de communication auquel l&apos;appareil Ventrax K27 est raccordé.</translation>
    </message>
    <message id="General">
        <source></source>
        <translation>Général</translation>
    </message>
    <message id="Interface">
        <source></source>
        <translation>Interface</translation>
    </message>
    <message id="No Gauge">
        <source></source>
        <translation>Pas d&apos;appareil</translation>
    </message>
    <message id="Cover (%1):">
        <source></source>
        <translation>Enrobage (%1) :</translation>
    </message>
    <message id="Half-Cell (%1):">
        <source></source>
        <translation>Demi-cellule (%1) :</translation>
    </message>
    <message id="Open">
        <source></source>
        <translation>Ouvrir</translation>
    </message>
    <message id="Name: %1">
        <source></source>
        <translation>Nom : %1</translation>
    </message>
    <message id="Type: %1">
        <source></source>
        <translation>Type : %1</translation>
    </message>
    <message id="Size: %1">
        <source></source>
        <translation>Taille : %1</translation>
    </message>
    <message id="Modified: %1">
        <source></source>
        <translation>Modifié : %1</translation>
    </message>
    <message id="Location: %1">
        <source></source>
        <translation>Emplacement : %1</translation>
    </message>
    <message id="Cannot open clipboard">
        <source></source>
        <translation>Impossible d&apos;ouvrir le presse-papiers</translation>
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
        <translation>%1 sur %2</translation>
    </message>
    <message id="Unknown unit system %1: 0 is metric, 1 imperial">
        <source></source>
        <translation>Système d&apos;unités inconnu %1 : 0 est métrique, 1 impérial</translation>
    </message>
    <message id="Cannot delete file &quot;%1&quot;. %2">
        <source></source>
        <translation>Impossible de supprimer le fichier « %1 ». %2</translation>
    </message>
    <message id="Cumulative %">
        <source></source>
        <translation>% cumulé</translation>
    </message>
    <message id="more positive than %1, corrosion unlikely">
        <source></source>
        <translation>plus positif que %1, corrosion peu probable</translation>
    </message>
    <message id="%1 to %2">
        <source></source>
        <translation>%1 à %2</translation>
    </message>
    <message id="more negative than %1, corrosion likely">
        <source></source>
        <translation>plus négatif que %1, corrosion probable</translation>
    </message>
    <message id="Readings shifted by -81 mV from AG/AGCL to CU/CUSO4 before classing.">
        <source></source>
        <translation>Mesures décalées de -81 mV de AG/AGCL vers CU/CUSO4 avant le classement.</translation>
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
        <translation>Valeur normale 5 %</translation>
    </message>
    <message id="no low limit applied">
        <source></source>
        <translation>aucune limite basse appliquée</translation>
    </message>
    <message id="at least %1 needed">
        <source></source>
        <translation>au moins %1 nécessaires</translation>
    </message>
    <message id="5 % Quantile Meets Low Limit">
        <source></source>
        <translation>Quantile 5 % conforme à la limite basse</translation>
    </message>
    <message id="Excel Workbook (*.xlsx)">
        <source></source>
        <translation>Classeur Excel (*.xlsx)</translation>
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
        <translation>CSV, un fichier par série (*.csv)</translation>
    </message>
    <message id="All Files (*)">
        <source></source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message id="The file could not be opened">
        <source></source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message id="Invalid worksheet name &quot;%1&quot;">
        <source></source>
        <translation>Nom de feuille non valide « %1 »</translation>
    </message>
    <message id="Low">
        <source></source>
        <translation>Faible</translation>
    </message>
    <message id="Intermediate">
        <source></source>
        <translation>Intermédiaire</translation>
    </message>
    <message id="High">
        <source></source>
        <translation>Élevé</translation>
    </message>
    <message id="Invalid batch type - must be cover">
        <source></source>
        <translation>Type de série non valide – doit être enrobage</translation>
    </message>
    <message id="Not enough readings">
        <source></source>
        <translation>Pas assez de mesures</translation>
    </message>
    <message id="The surveys are not of the same batch type">
        <source></source>
        <translation>Les relevés ne sont pas du même type de série</translation>
    </message>
    <message id="The surveys do not have the same grid (%1 x %2 and %3 x %4)">
        <source></source>
        <translation>Les relevés n&apos;ont pas la même grille (%1 x %2 et %3 x %4)</translation>
    </message>
    <message id="It is not a file.">
        <source></source>
        <translation>Ce n&apos;est pas un fichier.</translation>
    </message>
    <message id="Invalid display format">
        <source></source>
        <translation>Format d&apos;affichage non valide</translation>
    </message>
    <message id="Report does not exist">
        <source></source>
        <translation>Le rapport n&apos;existe pas</translation>
    </message>
    <message id="PointColour">
        <source></source>
        <translation>Couleur de point</translation>
    </message>
    <message id="CorrosionLow">
        <source></source>
        <translation>CorrosionFaible</translation>
    </message>
    <message id="CorrosionIntermediate">
        <source></source>
        <translation>CorrosionIntermédiaire</translation>
    </message>
    <message id="CorrosionHigh">
        <source></source>
        <translation>CorrosionÉlevée</translation>
    </message>
    <message id="PerCorrosionLow">
        <source></source>
        <translation>PourcentCorrosionFaible</translation>
    </message>
    <message id="PerCorrosionIntermediate">
        <source></source>
        <translation>PourcentCorrosionIntermédiaire</translation>
    </message>
    <message id="PerCorrosionHigh">
        <source></source>
        <translation>PourcentCorrosionÉlevée</translation>
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
        <translation>QuantileNormal5</translation>
    </message>
    <message id="Quantile5MeetsLowLimit">
        <source></source>
        <translation>Quantile5ConformeLimiteBasse</translation>
    </message>
    <message id="n Low">
        <source></source>
        <translation>n faible</translation>
    </message>
    <message id="n Intermediate">
        <source></source>
        <translation>n intermédiaire</translation>
    </message>
    <message id="n High">
        <source></source>
        <translation>n élevé</translation>
    </message>
    <message id="% Low">
        <source></source>
        <translation>% faible</translation>
    </message>
    <message id="% Intermediate">
        <source></source>
        <translation>% intermédiaire</translation>
    </message>
    <message id="% High">
        <source></source>
        <translation>% élevé</translation>
    </message>
    <message id="Normal 5 %">
        <source></source>
        <translation>Normal 5 %</translation>
    </message>
    <message id="5 % Check">
        <source></source>
        <translation>Contrôle 5 %</translation>
    </message>
    <message id="There is no default printer to print on">
        <source></source>
        <translation>Aucune imprimante par défaut disponible</translation>
    </message>
    <message id="Unable to print the report">
        <source></source>
        <translation>Impossible d&apos;imprimer le rapport</translation>
    </message>
    <message id="Anchor">
        <source></source>
        <translation>Ancrage</translation>
    </message>
    <message id="Text Editor">
        <source></source>
        <translation>Éditeur de texte</translation>
    </message>
    <message id="OK">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="Select">
        <source></source>
        <translation>Sélectionner</translation>
    </message>
    <message id="Shape">
        <source></source>
        <translation>Forme</translation>
    </message>
    <message id="Memo">
        <source></source>
        <translation>Zone de texte</translation>
    </message>
    <message id="Graphic">
        <source></source>
        <translation>Graphique</translation>
    </message>
    <message id="Overview">
        <source></source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message id="Histogram">
        <source></source>
        <translation>Histogramme</translation>
    </message>
    <message id="Run">
        <source></source>
        <translation>Évolution</translation>
    </message>
    <message id="Combined Overview">
        <source></source>
        <translation>Vue d&apos;ensemble combinée</translation>
    </message>
    <message id="Page Width">
        <source></source>
        <translation>Largeur de page</translation>
    </message>
    <message id="Full Page">
        <source></source>
        <translation>Page entière</translation>
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
        <translation>Conception de page</translation>
    </message>
    <message id="Zoom:">
        <source></source>
        <translation>Zoom :</translation>
    </message>
    <message id="Halfcell">
        <source></source>
        <translation>Demi-cellule</translation>
    </message>
    <message id="Zoom">
        <source></source>
        <translation>Zoom</translation>
    </message>
    <message id="Are you sure you want to delete these %1 page items?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer ces %1 éléments de page ?</translation>
    </message>
    <message id="Are you sure you wish to switch all the page items that support %1 to %2">
        <source></source>
        <translation>Voulez-vous vraiment passer à %2 tous les éléments de page qui prennent en charge %1</translation>
    </message>
    <message id="Are you sure you wish to save the changes to the page design?">
        <source></source>
        <translation>Voulez-vous vraiment enregistrer les modifications de la conception de page ?</translation>
    </message>
    <message id="Are you sure you wish to abandon the changes to the page design?">
        <source></source>
        <translation>Voulez-vous vraiment abandonner les modifications de la conception de page ?</translation>
    </message>
    <message id="Save changes to this page?">
        <source></source>
        <translation>Enregistrer les modifications de cette page ?</translation>
    </message>
    <message id="All Graphics (*.jpg *.jpeg *.bmp *.png *.svg);;Bitmaps (*.bmp *.jpg *.jpeg *.png);;Metafiles (*.svg);;All Files (*)">
        <source></source>
        <translation>Tous les graphiques (*.jpg *.jpeg *.bmp *.png *.svg);;Images bitmap (*.bmp *.jpg *.jpeg *.png);;Métafichiers (*.svg);;Tous les fichiers (*)</translation>
    </message>
    <message id="Property Editor">
        <source></source>
        <translation>Éditeur de propriétés</translation>
    </message>
    <message id="Select Picture">
        <source></source>
        <translation>Sélectionner une image</translation>
    </message>
    <message id="Cannot open '%1': there is no such file.">
        <source></source>
        <translation>Impossible d&apos;ouvrir « %1 » : ce fichier n&apos;existe pas.</translation>
    </message>
    <message id="Cannot open '%1': it is not a batch, template or report file.">
        <source></source>
        <translation>Impossible d&apos;ouvrir « %1 » : ce n&apos;est pas un fichier de série, de modèle ni de rapport.</translation>
    </message>
    <message id="'%1' is not in the storage folder.&#13;&#10;Copy it into %2 and open it?">
        <source></source>
        <translation>« %1 » n&apos;est pas dans le dossier de données.<byte value="xd"/>
Le copier dans %2 et l&apos;ouvrir ?</translation>
    </message>
    <message id="Template Batch Wizard">
        <source></source>
        <translation>Assistant de série modèle</translation>
    </message>
    <message id="Welcome to the Template Batch Wizard">
        <source></source>
        <translation>Bienvenue dans l&apos;assistant de série modèle</translation>
    </message>
    <message id="This wizard will allow you to create or modify a template batch.">
        <source></source>
        <translation>Cet assistant vous permet de créer ou de modifier une série modèle.</translation>
    </message>
    <message id="Determines the format of the batch data.">
        <source></source>
        <translation>Détermine le format des données de la série.</translation>
    </message>
    <message id="Batch Details">
        <source></source>
        <translation>Détails de la série</translation>
    </message>
    <message id="Enter batch details">
        <source></source>
        <translation>Saisissez les détails de la série</translation>
    </message>
    <message id="Number of Columns">
        <source></source>
        <translation>Nombre de colonnes</translation>
    </message>
    <message id="Number of Rows">
        <source></source>
        <translation>Nombre de lignes</translation>
    </message>
    <message id="Grid Dimensions">
        <source></source>
        <translation>Dimensions de la grille</translation>
    </message>
    <message id="Specify the dimensions of the grid">
        <source></source>
        <translation>Indiquez les dimensions de la grille</translation>
    </message>
    <message id="Determines the highest value that can be measured before a warning is shown">
        <source></source>
        <translation>Détermine la valeur la plus haute mesurable avant qu&apos;un avertissement s&apos;affiche</translation>
    </message>
    <message id="Determines the lowest value that can be measured before a warning is shown">
        <source></source>
        <translation>Détermine la valeur la plus basse mesurable avant qu&apos;un avertissement s&apos;affiche</translation>
    </message>
    <message id="Specify the limits to measure to">
        <source></source>
        <translation>Indiquez les limites de mesure</translation>
    </message>
    <message id="Completing the Template Batch Wizard">
        <source></source>
        <translation>Fin de l&apos;assistant de série modèle</translation>
    </message>
    <message id="The wizard is complete.&#13;&#10;&#13;&#10;Click Finish to return.">
        <source></source>
        <translation>L&apos;assistant est terminé.<byte value="xd"/>
<byte value="xd"/>
Cliquez sur Terminer pour revenir.</translation>
    </message>
    <message id="Grid Spacing (%1)">
        <source></source>
        <translation>Pas de grille (%1)</translation>
    </message>
    <message id="Apply High Limit (%1)">
        <source></source>
        <translation>Appliquer la limite haute (%1)</translation>
    </message>
    <message id="Apply Low Limit (%1)">
        <source></source>
        <translation>Appliquer la limite basse (%1)</translation>
    </message>
    <message id="Enter valid grid spacing (%1 to %2)">
        <source></source>
        <translation>Saisissez un pas de grille valide (%1 à %2)</translation>
    </message>
    <message id="High limit must be larger than low limit">
        <source></source>
        <translation>La limite haute doit être supérieure à la limite basse</translation>
    </message>
    <message id="Uploaded">
        <source></source>
        <translation>Envoyé</translation>
    </message>
    <message id="Grouped">
        <source></source>
        <translation>Groupé</translation>
    </message>
    <message id="New Template">
        <source></source>
        <translation>Nouveau modèle</translation>
    </message>
    <message id="Edit">
        <source></source>
        <translation>Modifier</translation>
    </message>
    <message id="Group">
        <source></source>
        <translation>Grouper</translation>
    </message>
    <message id="Ungroup">
        <source></source>
        <translation>Dissocier</translation>
    </message>
    <message id="A template with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Un modèle portant ce nom existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message id="Are you sure you want to delete these %1 templates?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer ces %1 modèles ?</translation>
    </message>
    <message id="Are you sure you want to delete this template batch?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer cette série modèle ?</translation>
    </message>
    <message id="Are you sure you want to delete the selected batches?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer les séries sélectionnées ?</translation>
    </message>
    <message id="Upload Template">
        <source></source>
        <translation>Envoyer un modèle</translation>
    </message>
    <message id="Select template(s) to upload to the gauge:">
        <source></source>
        <translation>Sélectionnez le ou les modèles à envoyer à l&apos;appareil :</translation>
    </message>
    <message id="Use Batch Order">
        <source></source>
        <translation>Utiliser l&apos;ordre des séries</translation>
    </message>
    <message id="Use Upload Count">
        <source></source>
        <translation>Utiliser le compteur d&apos;envois</translation>
    </message>
    <message id="Upload Wizard">
        <source></source>
        <translation>Assistant d&apos;envoi</translation>
    </message>
    <message id="Welcome to the Upload Wizard">
        <source></source>
        <translation>Bienvenue dans l&apos;assistant d&apos;envoi</translation>
    </message>
    <message id="This wizard will allow you to upload template(s) to a gauge.">
        <source></source>
        <translation>Cet assistant vous permet d&apos;envoyer des modèles à un appareil.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the order of the batch definitions in the template.">
        <source></source>
        <translation>L&apos;ID de série est formé à partir du nom du modèle et de l&apos;ordre des définitions de séries dans le modèle.</translation>
    </message>
    <message id="The Batch ID is generated from the template name and the total number of times the template has been uploaded.">
        <source></source>
        <translation>L&apos;ID de série est formé à partir du nom du modèle et du nombre total d&apos;envois de ce modèle.</translation>
    </message>
    <message id="Batch IDs">
        <source></source>
        <translation>ID de séries</translation>
    </message>
    <message id="Specify the batch naming method ">
        <source></source>
        <translation>Indiquez la méthode de nommage des séries </translation>
    </message>
    <message id="Enter the default tags that will be copied to all the batches in this template.">
        <source></source>
        <translation>Saisissez les étiquettes par défaut qui seront copiées dans toutes les séries de ce modèle.</translation>
    </message>
    <message id="Default Tags">
        <source></source>
        <translation>Étiquettes par défaut</translation>
    </message>
    <message id="Enter the default tags">
        <source></source>
        <translation>Saisissez les étiquettes par défaut</translation>
    </message>
    <message id="Enter the changes in tags from the default for the batches.">
        <source></source>
        <translation>Saisissez les étiquettes des séries qui diffèrent des valeurs par défaut.</translation>
    </message>
    <message id="Batch Tags">
        <source></source>
        <translation>Étiquettes de série</translation>
    </message>
    <message id="Enter the tags for specific batches">
        <source></source>
        <translation>Saisissez les étiquettes de séries particulières</translation>
    </message>
    <message id="Completing the Upload Wizard">
        <source></source>
        <translation>Fin de l&apos;assistant d&apos;envoi</translation>
    </message>
    <message id="Batches">
        <source></source>
        <translation>Séries</translation>
    </message>
    <message id="&lt; &amp;Back">
        <source></source>
        <translation>&lt; &amp;Précédent</translation>
    </message>
    <message id="&amp;Next &gt;">
        <source></source>
        <translation>&amp;Suivant &gt;</translation>
    </message>
    <message id="&amp;Finish">
        <source></source>
        <translation>&amp;Terminer</translation>
    </message>
    <message id="3D">
        <source></source>
        <translation>3D</translation>
    </message>
    <message id="Alignment">
        <source></source>
        <translation>Alignement</translation>
    </message>
    <message id="AspectRatio">
        <source></source>
        <translation>Rapport largeur/hauteur</translation>
    </message>
    <message id="BarColor">
        <source></source>
        <translation>Couleur de barre</translation>
    </message>
    <message id="BarGap">
        <source></source>
        <translation>Espacement des barres</translation>
    </message>
    <message id="BatchType">
        <source></source>
        <translation>Type de série</translation>
    </message>
    <message id="Bold">
        <source></source>
        <translation>Gras</translation>
    </message>
    <message id="CellFontSize">
        <source></source>
        <translation>Taille de police des cellules</translation>
    </message>
    <message id="CellText">
        <source></source>
        <translation>Texte de cellule</translation>
    </message>
    <message id="ChartType">
        <source></source>
        <translation>Type de graphique</translation>
    </message>
    <message id="ColorGradiant">
        <source></source>
        <translation>Dégradé de couleurs</translation>
    </message>
    <message id="FillColor">
        <source></source>
        <translation>Couleur de remplissage</translation>
    </message>
    <message id="FillStyle">
        <source></source>
        <translation>Motif de remplissage</translation>
    </message>
    <message id="FontName">
        <source></source>
        <translation>Police</translation>
    </message>
    <message id="FontSize">
        <source></source>
        <translation>Taille de police</translation>
    </message>
    <message id="GreyScale">
        <source></source>
        <translation>Niveaux de gris</translation>
    </message>
    <message id="GridColumnsPerPage">
        <source></source>
        <translation>Colonnes de grille par page</translation>
    </message>
    <message id="GridLineMethod">
        <source></source>
        <translation>Méthode des lignes de grille</translation>
    </message>
    <message id="GridLineSpacing">
        <source></source>
        <translation>Espacement des lignes de grille</translation>
    </message>
    <message id="GridLines">
        <source></source>
        <translation>Lignes de grille</translation>
    </message>
    <message id="GridRowsPerPage">
        <source></source>
        <translation>Lignes de grille par page</translation>
    </message>
    <message id="Height">
        <source></source>
        <translation>Hauteur</translation>
    </message>
    <message id="Italic">
        <source></source>
        <translation>Italique</translation>
    </message>
    <message id="KeySteps">
        <source></source>
        <translation>Paliers de légende</translation>
    </message>
    <message id="LinearColumnsPerPage">
        <source></source>
        <translation>Colonnes linéaires par page</translation>
    </message>
    <message id="LinearRowsPerPage">
        <source></source>
        <translation>Lignes linéaires par page</translation>
    </message>
    <message id="LineStyle">
        <source></source>
        <translation>Style de ligne</translation>
    </message>
    <message id="LineWidth">
        <source></source>
        <translation>Épaisseur de ligne</translation>
    </message>
    <message id="PageHeight">
        <source></source>
        <translation>Hauteur de page</translation>
    </message>
    <message id="PageOrientation">
        <source></source>
        <translation>Orientation de page</translation>
    </message>
    <message id="PageType">
        <source></source>
        <translation>Type de page</translation>
    </message>
    <message id="PageWidth">
        <source></source>
        <translation>Largeur de page</translation>
    </message>
    <message id="PaperSize">
        <source></source>
        <translation>Format de papier</translation>
    </message>
    <message id="PrimaryBatchType">
        <source></source>
        <translation>Type de série principal</translation>
    </message>
    <message id="ShowLegend">
        <source></source>
        <translation>Afficher la légende</translation>
    </message>
    <message id="ShowMarkFrame">
        <source></source>
        <translation>Afficher le cadre de marquage</translation>
    </message>
    <message id="SquareCells">
        <source></source>
        <translation>Cellules carrées</translation>
    </message>
    <message id="Strikeout">
        <source></source>
        <translation>Barré</translation>
    </message>
    <message id="Text">
        <source></source>
        <translation>Texte</translation>
    </message>
    <message id="Underline">
        <source></source>
        <translation>Souligné</translation>
    </message>
    <message id="WarningLimit">
        <source></source>
        <translation>Limite d&apos;alerte</translation>
    </message>
    <message id="WarningLimitHalfCell">
        <source></source>
        <translation>Limite d&apos;alerte demi-cellule</translation>
    </message>
    <message id="Width">
        <source></source>
        <translation>Largeur</translation>
    </message>
    <message id="WordWrap">
        <source></source>
        <translation>Retour à la ligne</translation>
    </message>
    <message id="Save">
        <source></source>
        <translation>Enregistrer</translation>
    </message>
    <message id="Save and Exit">
        <source></source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message id="Abandon and Exit">
        <source></source>
        <translation>Abandonner et quitter</translation>
    </message>
    <message id="Snap">
        <source></source>
        <translation>Magnétisme</translation>
    </message>
    <message id="Bring to Front">
        <source></source>
        <translation>Premier plan</translation>
    </message>
    <message id="Send to Back">
        <source></source>
        <translation>Arrière-plan</translation>
    </message>
    <message id="Batch readings incomplete">
        <source></source>
        <translation>Mesures de la série incomplètes</translation>
    </message>
    <message id="Invalid slot number">
        <source></source>
        <translation>Numéro d&apos;emplacement mémoire non valide</translation>
    </message>
    <message id="New Report">
        <source></source>
        <translation>Nouveau rapport</translation>
    </message>
    <message id="New Page">
        <source></source>
        <translation>Nouvelle page</translation>
    </message>
    <message id="Move Up">
        <source></source>
        <translation>Monter</translation>
    </message>
    <message id="Move Down">
        <source></source>
        <translation>Descendre</translation>
    </message>
    <message id="My Reports">
        <source></source>
        <translation>Mes rapports</translation>
    </message>
    <message id="Tab Reports">
        <source></source>
        <translation>Rapports à onglets</translation>
    </message>
    <message id="Number">
        <source></source>
        <translation>Numéro</translation>
    </message>
    <message id="Page Type">
        <source></source>
        <translation>Type de page</translation>
    </message>
    <message id="My Reports &gt; %1">
        <source></source>
        <translation>Mes rapports &gt; %1</translation>
    </message>
    <message id="Tab Reports &gt; %1">
        <source></source>
        <translation>Rapports à onglets &gt; %1</translation>
    </message>
    <message id="A report with the name you specified already exists. Specify a different name.">
        <source></source>
        <translation>Un rapport portant ce nom existe déjà. Indiquez un autre nom.</translation>
    </message>
    <message id="The report '%1' no longer exists.">
        <source></source>
        <translation>Le rapport &apos;%1&apos; n&apos;existe plus.</translation>
    </message>
    <message id="Are you sure you want to delete this report page?">
        <source></source>
        <translation>Voulez-vous vraiment supprimer cette page de rapport ?</translation>
    </message>
    <message id="Page">
        <source></source>
        <translation>Page</translation>
    </message>
    <message id="User cancelled request">
        <source></source>
        <translation>Demande annulée par l&apos;utilisateur</translation>
    </message>
    <message id="General MAPI failure">
        <source></source>
        <translation>Échec MAPI général</translation>
    </message>
    <message id="Logon failure">
        <source></source>
        <translation>Échec de l&apos;ouverture de session</translation>
    </message>
    <message id="Disk full">
        <source></source>
        <translation>Disque plein</translation>
    </message>
    <message id="Insufficient memory">
        <source></source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message id="Access denied">
        <source></source>
        <translation>Accès refusé</translation>
    </message>
    <message id="Too many sessions">
        <source></source>
        <translation>Trop de sessions</translation>
    </message>
    <message id="Too many files open">
        <source></source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message id="Too many recipients">
        <source></source>
        <translation>Trop de destinataires</translation>
    </message>
    <message id="Attachment not found">
        <source></source>
        <translation>Pièce jointe introuvable</translation>
    </message>
    <message id="Failed to open attachment">
        <source></source>
        <translation>Impossible d&apos;ouvrir la pièce jointe</translation>
    </message>
    <message id="Failed to write attachment">
        <source></source>
        <translation>Impossible d&apos;écrire la pièce jointe</translation>
    </message>
    <message id="Unknown recipient">
        <source></source>
        <translation>Destinataire inconnu</translation>
    </message>
    <message id="Invalid recipient type">
        <source></source>
        <translation>Type de destinataire non valide</translation>
    </message>
    <message id="No messages">
        <source></source>
        <translation>Aucun message</translation>
    </message>
    <message id="Invalid message">
        <source></source>
        <translation>Message non valide</translation>
    </message>
    <message id="Text too large.">
        <source></source>
        <translation>Texte trop long.</translation>
    </message>
    <message id="Invalid session">
        <source></source>
        <translation>Session non valide</translation>
    </message>
    <message id="Type not supported">
        <source></source>
        <translation>Type non pris en charge</translation>
    </message>
    <message id="Ambiguous recipient">
        <source></source>
        <translation>Destinataire ambigu</translation>
    </message>
    <message id="Message in use">
        <source></source>
        <translation>Message en cours d&apos;utilisation</translation>
    </message>
    <message id="Network failure">
        <source></source>
        <translation>Erreur réseau</translation>
    </message>
    <message id="Invalid edit fields">
        <source></source>
        <translation>Champs de saisie non valides</translation>
    </message>
    <message id="Invalid recipients">
        <source></source>
        <translation>Destinataires non valides</translation>
    </message>
    <message id="Not supported">
        <source></source>
        <translation>Non pris en charge</translation>
    </message>
    <message id="Unknown Error Code: ">
        <source></source>
        <translation>Code d&apos;erreur inconnu : </translation>
    </message>
    <message id="Print">
        <source></source>
        <translation>Imprimer</translation>
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
        <translation>Rapports :</translation>
    </message>
    <message id="Standard Report">
        <source></source>
        <translation>Rapport standard</translation>
    </message>
    <message id="Orvalis Report">
        <source></source>
        <translation>Rapport Orvalis</translation>
    </message>
    <message id="Save PDF Report As">
        <source></source>
        <translation>Enregistrer le rapport PDF sous</translation>
    </message>
    <message id="PDF Files (*.pdf);;All Files (*.*)">
        <source></source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*.*)</translation>
    </message>
    <message id="Please find attached a report on the following batches:">
        <source></source>
        <translation>Veuillez trouver ci-joint un rapport sur les séries suivantes :</translation>
    </message>
    <message id="MAPI Error %1: %2">
        <source></source>
        <translation>Erreur MAPI %1 : %2</translation>
    </message>
    <message id="Invalid Grid Dimensions">
        <source></source>
        <translation>Dimensions de grille non valides</translation>
    </message>
    <message id="The clipboard holds no report page">
        <source></source>
        <translation>Le presse-papiers ne contient aucune page de rapport</translation>
    </message>
    <message id="Unable to rename '%1': %2">
        <source></source>
        <translation>Impossible de renommer &apos;%1&apos; : %2</translation>
    </message>
    <message id="The connection to the gauge has ended. Nothing was uploaded.">
        <source></source>
        <translation>La connexion avec l&apos;appareil est terminée. Rien n&apos;a été envoyé.</translation>
    </message>
    <message id="There is no display: no other program could paste a page from this clipboard">
        <source></source>
        <translation>Aucun affichage : aucun autre programme ne pourrait coller une page depuis ce presse-papiers</translation>
    </message>
    <message id="The file &quot;%1&quot; is larger than any batch file can be (at most %2 MB)">
        <source></source>
        <translation>Le fichier « %1 » est plus grand que ne peut l&apos;être un fichier de série (au plus %2 Mo)</translation>
    </message>
    <message id="The clipboard holds no page items">
        <source></source>
        <translation>Le presse-papiers ne contient aucun élément de page</translation>
    </message>
    <message id="No contour levels">
        <source></source>
        <translation>Aucun niveau d&apos;isoligne</translation>
    </message>
    <message id="Contour levels (%1): %2">
        <source></source>
        <translation>Niveaux d&apos;isolignes (%1) : %2</translation>
    </message>
    <message id="below %1">
        <source></source>
        <translation>sous %1</translation>
    </message>
    <message id="%1 and above">
        <source></source>
        <translation>%1 et plus</translation>
    </message>
    <message id="Contour maps need a grid batch">
        <source></source>
        <translation>Les cartes d&apos;isolignes exigent une série en grille</translation>
    </message>
    <message id="The contour step must be a positive number">
        <source></source>
        <translation>L&apos;équidistance des isolignes doit être un nombre positif</translation>
    </message>
    <message id="The contour step gives more than %1 levels">
        <source></source>
        <translation>L&apos;équidistance des isolignes donne plus de %1 niveaux</translation>
    </message>
    <message id="&quot;%1&quot; is not a contour level">
        <source></source>
        <translation>« %1 » n&apos;est pas un niveau d&apos;isoligne</translation>
    </message>
    <message id="Filled">
        <source></source>
        <translation>Rempli</translation>
    </message>
    <message id="LabelFontSize">
        <source></source>
        <translation>Taille des étiquettes</translation>
    </message>
    <message id="Labels">
        <source></source>
        <translation>Étiquettes</translation>
    </message>
    <message id="Levels">
        <source></source>
        <translation>Niveaux</translation>
    </message>
    <message id="StepCover">
        <source></source>
        <translation>Équidistance enrobage</translation>
    </message>
    <message id="StepHalfCell">
        <source></source>
        <translation>Équidistance demi-cellule</translation>
    </message>
    <message id="Contour">
        <source></source>
        <translation>Isolignes</translation>
    </message>
    <message id="The demonstration gauge is not installed.">
        <source></source>
        <translation>L&apos;appareil de démonstration n&apos;est pas installé.</translation>
    </message>
    <message id="No answer">
        <source></source>
        <translation>Pas de réponse</translation>
    </message>
    <message id="The simulator ended at once">
        <source></source>
        <translation>Le simulateur s&apos;est arrêté aussitôt</translation>
    </message>
    <message id="The demonstration gauge could not be started: %1">
        <source></source>
        <translation>L&apos;appareil de démonstration n&apos;a pas pu être démarré : %1</translation>
    </message>
    <message id="Choose Port...">
        <source></source>
        <translation>Choisir le port...</translation>
    </message>
    <message id="Demonstration gauge">
        <source></source>
        <translation>Appareil de démonstration</translation>
    </message>
    <message id="Demonstration gauge (%1)">
        <source></source>
        <translation>Appareil de démonstration (%1)</translation>
    </message>
    <message id="No gauge port is chosen.">
        <source></source>
        <translation>Aucun port n&apos;est choisi pour l&apos;appareil.</translation>
    </message>
    <message id="Choose the port your gauge is connected to, or the demonstration gauge, in Preferences.">
        <source></source>
        <translation>Choisissez dans les Préférences le port auquel votre appareil est raccordé, ou l&apos;appareil de démonstration.</translation>
    </message>
    <message id="Opening %1...">
        <source></source>
        <translation>Ouverture de %1...</translation>
    </message>
    <message id="Looking for a gauge on %1: trying %2 baud, %3 s so far.">
        <source></source>
        <translation>Recherche d&apos;un appareil sur %1 : essai à %2 bauds, depuis %3 s.</translation>
    </message>
    <message id="Check that the gauge is switched on and its cable is plugged in.">
        <source></source>
        <translation>Vérifiez que l&apos;appareil est allumé et que son câble est branché.</translation>
    </message>
    <message id="%1 cannot be opened.">
        <source></source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message id="The connection on %1 has ended.">
        <source></source>
        <translation>La connexion sur %1 est terminée.</translation>
    </message>
    <message id="Choose Refresh to try again.">
        <source></source>
        <translation>Choisissez Actualiser pour réessayer.</translation>
    </message>
    <message id="Connected to %1, serial number %2.">
        <source></source>
        <translation>Connecté à %1, numéro de série %2.</translation>
    </message>
    <message id="This is the demonstration gauge: its batches are sample data.">
        <source></source>
        <translation>Ceci est l&apos;appareil de démonstration : ses séries sont des données d&apos;exemple.</translation>
    </message>
    <message id="The gauge holds no batches. Batches measured with the gauge are listed here.">
        <source></source>
        <translation>L&apos;appareil ne contient aucune série. Les séries mesurées avec l&apos;appareil apparaissent ici.</translation>
    </message>
    <message id="No templates yet. Choose New Template to make one.">
        <source></source>
        <translation>Aucun modèle pour l&apos;instant. Choisissez Nouveau modèle pour en créer un.</translation>
    </message>
    <message id="No reports yet. Choose New Report to design one.">
        <source></source>
        <translation>Aucun rapport pour l&apos;instant. Choisissez Nouveau rapport pour en concevoir un.</translation>
    </message>
    <message id="This folder is empty. Download batches from the gauge, or choose New Batch, to fill it.">
        <source></source>
        <translation>Ce dossier est vide. Téléchargez des séries depuis l&apos;appareil ou choisissez Nouvelle série pour le remplir.</translation>
    </message>
    <message id="Demonstration gauge (simulator)">
        <source></source>
        <translation>Appareil de démonstration (simulateur)</translation>
    </message>
    <message id="The batch file was changed by another program since it was shown. Replace it with your change?">
        <source></source>
        <translation>Le fichier de série a été modifié par un autre programme depuis son affichage. Le remplacer par votre modification ?</translation>
    </message>
    <message id="The storage folder %1 does not answer. If it is on a network drive, the server may not be reachable. The folders are shown as soon as it answers again.">
        <source></source>
        <translation>Le dossier de données %1 ne répond pas. S&apos;il se trouve sur un lecteur réseau, le serveur est peut-être injoignable. Les dossiers s&apos;afficheront dès qu&apos;il répondra de nouveau.</translation>
    </message>
    <message id="Batch %1 (%2)">
        <source></source>
        <translation>Série %1 (%2)</translation>
    </message>
    <message id="%1: no readings">
        <source></source>
        <translation>%1 : aucune mesure</translation>
    </message>
    <message id="%1: %2 readings, Min %3, Max %4, Mean %5 %6">
        <source></source>
        <translation>%1 : %2 mesures, Min %3, Max %4, Moyenne %5 %6</translation>
    </message>
    <message id="%1: %2 readings">
        <source></source>
        <translation>%1 : %2 mesures</translation>
    </message>
    <message id="Views">
        <source></source>
        <translation>Vues</translation>
    </message>
    <message id="Column %1, row %2">
        <source></source>
        <translation>Colonne %1, ligne %2</translation>
    </message>
    <message id="Empty">
        <source></source>
        <translation>Vide</translation>
    </message>
    <message id="Cumulative Distribution">
        <source></source>
        <translation>Distribution cumulée</translation>
    </message>
    <message id="Difference Map">
        <source></source>
        <translation>Carte des différences</translation>
    </message>
    <message id="%1 at %2 mm, %3 mm, %4 mm wide, %5 mm high">
        <source></source>
        <translation>%1 à %2 mm, %3 mm, %4 mm de large, %5 mm de haut</translation>
    </message>
    <message id="%1 items">
        <source></source>
        <translation>%1 éléments</translation>
    </message>
    <message id="Items">
        <source></source>
        <translation>Éléments</translation>
    </message>
    <message id="Pages">
        <source></source>
        <translation>Pages</translation>
    </message>
    <message id="Page %1">
        <source></source>
        <translation>Page %1</translation>
    </message>
    <message id="Files">
        <source></source>
        <translation>Fichiers</translation>
    </message>
    <message id="Commands">
        <source></source>
        <translation>Commandes</translation>
    </message>
    <message id="Selected Folder">
        <source></source>
        <translation>Dossier sélectionné</translation>
    </message>
    <message id="Move to Tab Reports">
        <source></source>
        <translation>Déplacer vers les rapports à onglets</translation>
    </message>
    <message id="Move to My Reports">
        <source></source>
        <translation>Déplacer vers Mes rapports</translation>
    </message>
    <message id="Menu">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="AutoCAD DXF, one drawing per batch (*.dxf)">
        <source></source>
        <translation>AutoCAD DXF, un dessin par série (*.dxf)</translation>
    </message>
    <message id="&quot;%1&quot; names no export form: use .xlsx, .xls, .xml, .csv or .dxf">
        <source></source>
        <translation>« %1 » ne désigne aucun format d&apos;exportation : utilisez .xlsx, .xls, .xml, .csv ou .dxf</translation>
    </message>
    <message id="Batch: %1 (%2)">
        <source></source>
        <translation>Série : %1 (%2)</translation>
    </message>
    <message id="Site: %1">
        <source></source>
        <translation>Chantier : %1</translation>
    </message>
    <message id="Created: %1, updated: %2">
        <source></source>
        <translation>Créée : %1, modifiée : %2</translation>
    </message>
    <message id="Units: %1">
        <source></source>
        <translation>Unités : %1</translation>
    </message>
    <message id="The drawing is incomplete">
        <source></source>
        <translation>Le dessin est incomplet</translation>
    </message>
</context>
</TS>
