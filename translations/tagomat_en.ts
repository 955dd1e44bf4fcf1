<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Über...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:11pt; font-weight:600;&quot;&gt;Tagomat&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:11pt; font-weight:600;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;Tagomat-Projekt&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;Lindenstraße 12&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;10969 Berlin&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;a href=&quot;http://www.example.org&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;www.example.org&lt;/span&gt;&lt;/a&gt;&lt;br /&gt;&lt;a href=&quot;mailto:info@example.org&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;info@example.org&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8.25pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:11pt; font-weight:600;&quot;&gt;Tagomat&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Sans Serif&apos;; font-size:11pt; font-weight:600;&quot;&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;Tagomat project&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;Lindenstraße 12&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Sans Serif&apos;; font-size:9pt;&quot;&gt;10969 Berlin&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-size:8pt;&quot;&gt;&lt;br /&gt;&lt;a href=&quot;http://www.example.org&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;www.example.org&lt;/span&gt;&lt;/a&gt;&lt;br /&gt;&lt;a href=&quot;mailto:info@example.org&quot;&gt;&lt;span style=&quot; text-decoration: underline; color:#0000ff;&quot;&gt;info@example.org&lt;/span&gt;&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>ColumnLookup</name>
    <message>
        <source>keine Spalte %1</source>
        <translation>no column %1</translation>
    </message>
    <message>
        <source>%1 passt auf die Spalten %2 und %3; bitte die Spalte mit ihrer Nummer angeben</source>
        <translation>%1 matches the columns %2 and %3; please give the column by its number</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Schreibt die Etiketten von FILE als PDF nach OUT.</source>
        <translation>Writes the labels of FILE to OUT as PDF.</translation>
    </message>
    <message>
        <source>Schreibt die Testseite des Etikettenbogens als PDF nach OUT.</source>
        <translation>Writes the test page of the stock to OUT as PDF.</translation>
    </message>
    <message>
        <source>Listet die Etikettenbögen des Katalogs auf.</source>
        <translation>Lists the label sheets of the catalogue.</translation>
    </message>
    <message>
        <source>Etikettenbogen nach Artikelnummer oder Alias.</source>
        <translation>Label sheet by code or alias.</translation>
    </message>
    <message>
        <source>Schriftfamilie und Größe in Punkt.</source>
        <translation>Font family and size in points.</translation>
    </message>
    <message>
        <source>Lässt die Kopfzeile weg.</source>
        <translation>Leaves out the caption row.</translation>
    </message>
    <message>
        <source>Erstes benutztes Etikett auf dem ersten Bogen.</source>
        <translation>First label used on the first sheet.</translation>
    </message>
    <message>
        <source>Spalte der Namen.</source>
        <translation>Column of the names.</translation>
    </message>
    <message>
        <source>Spalte der Anzahlen.</source>
        <translation>Column of the quantities.</translation>
    </message>
    <message>
        <source>Etikettentext: Spalten als «Überschrift», Zeilen getrennt durch |.</source>
        <translation>Label text: columns as «Caption», lines separated by |.</translation>
    </message>
    <message>
        <source>Druckt die Umrisse der Etiketten auf einem gewählten Bogen.</source>
        <translation>Prints the label outlines on a chosen sheet.</translation>
    </message>
    <message>
        <source>Verschiebt den Druck nach rechts (mm).</source>
        <translation>Moves the print right (mm).</translation>
    </message>
    <message>
        <source>Verschiebt den Druck nach unten (mm).</source>
        <translation>Moves the print down (mm).</translation>
    </message>
    <message>
        <source>Länge, die jedes Etikett vom Endlosband nimmt (mm, Vorgabe 100).</source>
        <translation>Length each label takes of continuous tape (mm, default 100).</translation>
    </message>
    <message>
        <source>Lehnt einen Auftrag mit mehr als N Seiten ab (Vorgabe 10000).</source>
        <translation>Refuses a job of more pages than N (default 10000).</translation>
    </message>
    <message>
        <source>Druckt nur die Etiketten mit einer Zeile, die TEXT enthält (Groß- und Kleinschreibung egal).</source>
        <translation>Prints only the labels with a line containing TEXT (any letter case).</translation>
    </message>
    <message>
        <source>Druckt nur die Etiketten dieser Zeilen, nummeriert wie in der Tabelle.</source>
        <translation>Prints only the labels of these rows, numbered as in the spreadsheet.</translation>
    </message>
    <message>
        <source>Druckt Namensetiketten aus einer Liste. Ohne --print-pdf, --test-page oder
--list-stock öffnet Tagomat sein Fenster (tagomat [FILE]).
In --text ist \| ein | auf dem Etikett statt einer neuen Zeile.
Rückgabewert: 0 erledigt, 1 eine Datei, ein Bogen oder eine Etikettenliste, die
nicht verwendet werden können, 2 eine Befehlszeile, die nicht verwendet werden
kann; OUT wird nur bei Erfolg geschrieben.</source>
        <translation>Prints name labels from a list. Without --print-pdf, --test-page or --list-stock
Tagomat opens its window (tagomat [FILE]).
In --text, \| is a | on the label rather than a new line.
Exit status: 0 done, 1 a file, stock or label list that cannot be used,
2 a command line that cannot be used; OUT is written only on success.</translation>
    </message>
    <message>
        <source>Die Namensliste.</source>
        <translation>The name list.</translation>
    </message>
    <message>
        <source>--font erwartet FAMILIE,PUNKTE, z. B. &quot;Arial,12&quot;; gefunden &quot;%1&quot;</source>
        <translation>--font expects FAMILY,POINTS, e.g. &quot;Arial,12&quot;; found &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 erwartet Millimeter von -%2 bis %2, gefunden &quot;%3&quot;</source>
        <translation>--%1 expects millimetres from -%2 to %2, found &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--tape-length erwartet Millimeter von %1 bis %2, gefunden &quot;%3&quot;</source>
        <translation>--tape-length expects millimetres from %1 to %2, found &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--tape-length gilt nur für Endlosband (etwa --stock DK-22205), nicht für %1</source>
        <translation>--tape-length applies only to continuous tape (such as --stock DK-22205), not to %1</translation>
    </message>
    <message>
        <source>das Raster der Labelgröße</source>
        <translation>the grid of the label size</translation>
    </message>
    <message>
        <source>Unbekannter Etikettenbogen &quot;%1&quot; (tagomat --list-stock zeigt alle)</source>
        <translation>Unknown label sheet &quot;%1&quot; (tagomat --list-stock shows all)</translation>
    </message>
    <message>
        <source>--start erwartet eine Etikettennummer ab 1</source>
        <translation>--start expects a label number from 1</translation>
    </message>
    <message>
        <source>--max-pages erwartet eine Seitenzahl ab 1</source>
        <translation>--max-pages expects a page count from 1</translation>
    </message>
    <message>
        <source>--rows erwartet Zeilennummern ab 1 wie 3,5-9, gefunden &quot;%1&quot;</source>
        <translation>--rows expects row numbers from 1 such as 3,5-9, found &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--text hat %1 Zeilen, ein Etikett höchstens %2</source>
        <translation>--text has %1 lines, a label at most %2</translation>
    </message>
    <message>
        <source>--%1: %2; Spalten: %3</source>
        <translation>--%1: %2; columns: %3</translation>
    </message>
    <message>
        <source>--text &quot;%1&quot; nennt keine Spalte wie %2Name%3; es gäbe keine Etiketten</source>
        <translation>--text &quot;%1&quot; names no column such as %2Name%3; there would be no labels</translation>
    </message>
    <message>
        <source>%1 ergibt keine Etiketten: keine Zeile hat einen Namen mit einer Anzahl ab 1</source>
        <translation>%1 gives no labels: no row has a name with a quantity of 1 or more</translation>
    </message>
    <message>
        <source>%1 ergibt mit %2 keine Etiketten</source>
        <translation>%1 gives no labels with %2</translation>
    </message>
    <message>
        <source>--start %1: auf der Rolle %2 hat jede Seite ein Etikett; --start gilt nur für Bögen</source>
        <translation>--start %1: on the roll %2 every page has one label; --start applies only to sheets</translation>
    </message>
    <message>
        <source>--start %1: der Bogen %2 hat nur %3 Etiketten</source>
        <translation>--start %1: the sheet %2 has only %3 labels</translation>
    </message>
    <message>
        <source>der Labelgröße</source>
        <translation>the label size</translation>
    </message>
    <message>
        <source>%1 Etiketten ergäben %2 Seiten, mehr als --max-pages %3</source>
        <translation>%1 labels would make %2 pages, more than --max-pages %3</translation>
    </message>
    <message>
        <source>%1 ist die Eingabedatei; die Ausgabe braucht einen anderen Namen</source>
        <translation>%1 is the input file; the output needs another name</translation>
    </message>
    <message>
        <source>%1 %2 auf %3 %4: %5
</source>
        <translation>%1 %2 on %3 %4: %5
</translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation>label</translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation>labels</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>page</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>tagomat: Warnung: Schrift &quot;%1&quot; nicht vorhanden, gedruckt wird mit &quot;%2&quot;
</source>
        <translation>tagomat: warning: font &quot;%1&quot; is not installed, printing with &quot;%2&quot;
</translation>
    </message>
    <message>
        <source>genau eine von --print-pdf, --test-page, --list-stock</source>
        <translation>exactly one of --print-pdf, --test-page, --list-stock</translation>
    </message>
    <message>
        <source>--print-pdf braucht genau eine Eingabedatei</source>
        <translation>--print-pdf needs exactly one input file</translation>
    </message>
    <message>
        <source>--%1 %2: Datei nicht lesbar (%3)</source>
        <translation>--%1 %2: file not readable (%3)</translation>
    </message>
    <message>
        <source>--%1 %2: größer als %3 MB</source>
        <translation>--%1 %2: larger than %3 MB</translation>
    </message>
    <message>
        <source>Wendet eine gespeicherte Gestaltung (.tagomat) an; die anderen Optionen gehen vor.</source>
        <translation>Applies a saved design (.tagomat); the other options override it.</translation>
    </message>
    <message>
        <source>Logo (PNG, JPEG, SVG) oben links auf jedem Etikett.</source>
        <translation>Logo (PNG, JPEG, SVG) at the top left of every label.</translation>
    </message>
    <message>
        <source>QR-Code unten rechts: Spalten als «Überschrift», wie bei --text.</source>
        <translation>QR code at the bottom right: columns as «Caption», as in --text.</translation>
    </message>
    <message>
        <source>--qr erwartet den Inhalt des Codes, z. B. &quot;«E-Mail»&quot;</source>
        <translation>--qr expects the content of the code, e.g. &quot;«E-Mail»&quot;</translation>
    </message>
    <message>
        <source>%1: %2; Spalten: %3</source>
        <translation>%1: %2; columns: %3</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden (%2)</source>
        <translation>%1 could not be written (%2)</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Gestaltung</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Bild</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Farben</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation>Sorting</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Zeile 1 (Schriftart des Etiketts)</source>
        <translation>Line 1 (the label font)</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Fett</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Kursiv</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation>Colour...</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>zentriert</source>
        <translation>centred</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Größe automatisch</source>
        <translation>Automatic size</translation>
    </message>
    <message>
        <source>Die größte Schrift, in der diese Zeile auf jedes Etikett der Liste passt: alle Etiketten gleich groß</source>
        <translation>The largest font in which this line fits on every label of the list: all labels the same size</translation>
    </message>
    <message>
        <source>Farbe der Zeile</source>
        <translation>Colour of the line</translation>
    </message>
    <message>
        <source>Bild wählen...</source>
        <translation>Choose picture...</translation>
    </message>
    <message>
        <source>PNG, JPEG oder SVG</source>
        <translation>PNG, JPEG or SVG</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>Als:</source>
        <translation>As:</translation>
    </message>
    <message>
        <source>Links:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Bild wählen</source>
        <translation>Choose picture</translation>
    </message>
    <message>
        <source>Bilder (*.png *.jpg *.jpeg *.svg);;Alle Dateien (*)</source>
        <translation>Pictures (*.png *.jpg *.jpeg *.svg);;All files (*)</translation>
    </message>
    <message>
        <source>Kein Code</source>
        <translation>No code</translation>
    </message>
    <message>
        <source>Aus einer Vorlage</source>
        <translation>From a template</translation>
    </message>
    <message>
        <source>vCard aus Vorname, Nachname, Firma, E-Mail</source>
        <translation>vCard from first name, last name, company, e-mail</translation>
    </message>
    <message>
        <source>QR-Code</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>Data Matrix</source>
        <translation>Data Matrix</translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>EAN-13</source>
        <translation>EAN-13</translation>
    </message>
    <message>
        <source>«E-Mail»</source>
        <translation>«E-Mail»</translation>
    </message>
    <message>
        <source>+ Spalte</source>
        <translation>+ Column</translation>
    </message>
    <message>
        <source>Inhalt:</source>
        <translation>Content:</translation>
    </message>
    <message>
        <source>Vorlage:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation>First name:</translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation>Last name:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Band am unteren Rand</source>
        <translation>Band at the bottom edge</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Spalte:</source>
        <translation>Column:</translation>
    </message>
    <message>
        <source>Farbe für „%1“</source>
        <translation>Colour for “%1”</translation>
    </message>
    <message>
        <source>aufsteigend</source>
        <translation>ascending</translation>
    </message>
    <message>
        <source>absteigend</source>
        <translation>descending</translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation>Sort by:</translation>
    </message>
    <message>
        <source>dann nach:</source>
        <translation>then by:</translation>
    </message>
    <message>
        <source>Ohne Spalte bleibt die Reihenfolge der Liste.</source>
        <translation>Without a column the order of the list stays.</translation>
    </message>
    <message>
        <source>Erika Mustermann</source>
        <translation>Jane Doe</translation>
    </message>
    <message>
        <source>Beispiel GmbH</source>
        <translation>Example Ltd</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>Die Gestaltung ist beschädigt: %1 %2</source>
        <translation>The design is damaged: %1 %2</translation>
    </message>
    <message>
        <source>ist kein Objekt</source>
        <translation>is no object</translation>
    </message>
    <message>
        <source>ist keine Liste</source>
        <translation>is no list</translation>
    </message>
    <message>
        <source>hat %1 Einträge, höchstens %2</source>
        <translation>has %1 entries, at most %2</translation>
    </message>
    <message>
        <source>ist kein Text</source>
        <translation>is no text</translation>
    </message>
    <message>
        <source>ist weder true noch false</source>
        <translation>is neither true nor false</translation>
    </message>
    <message>
        <source>ist %1, erwartet eine Zahl von %2 bis %3</source>
        <translation>is %1, expected a number from %2 to %3</translation>
    </message>
    <message>
        <source>ist %1, erwartet %2</source>
        <translation>is %1, expected %2</translation>
    </message>
    <message>
        <source>ist %1, erwartet eine Farbe wie #1a2b3c</source>
        <translation>is %1, expected a colour such as #1a2b3c</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>„%1“ ist kein Bogen des Katalogs, und die Maße des Bogens fehlen</source>
        <translation>“%1” is no sheet of the catalogue, and the measures of the sheet are missing</translation>
    </message>
    <message>
        <source>ist %1 MiB groß, höchstens %2 MiB</source>
        <translation>is %1 MiB large, at most %2 MiB</translation>
    </message>
    <message>
        <source>ist kein Bild in Base64</source>
        <translation>is no picture in Base64</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>sind zusammen %1 MiB groß, höchstens %2 MiB</source>
        <translation>are %1 MiB large together, at most %2 MiB</translation>
    </message>
    <message>
        <source>ist ein zweiter Hintergrund; es gibt nur einen</source>
        <translation>is a second background; there is only one</translation>
    </message>
    <message>
        <source>Das Bild ist zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation>The picture is too large: %1 MiB, at most %2 MiB.</translation>
    </message>
    <message>
        <source>Eine Gestaltung hat höchstens %1 Bilder.</source>
        <translation>A design has at most %1 pictures.</translation>
    </message>
    <message>
        <source>Die Bilder sind zusammen zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation>The pictures are too large together: %1 MiB, at most %2 MiB.</translation>
    </message>
    <message>
        <source>Die Gestaltung ist zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation>The design is too large: %1 MiB, at most %2 MiB.</translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: kein lesbares JSON (Fehler bei Zeichen %1).</source>
        <translation>The design is damaged: no readable JSON (error at character %1).</translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: sie ist kein JSON-Objekt.</source>
        <translation>The design is damaged: it is no JSON object.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Tagomat-Gestaltung: ihr Feld „format“ ist nicht „%1“.</source>
        <translation>The file is no Tagomat design: its field “format” is not “%1”.</translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: ihre Version fehlt oder ist keine ganze Zahl ab 1.</source>
        <translation>The design is damaged: its version is missing or no whole number from 1.</translation>
    </message>
    <message>
        <source>Die Gestaltung stammt aus einer neueren Version von Tagomat (Version %1); diese Version liest Gestaltungen bis Version %2.</source>
        <translation>The design comes from a newer version of Tagomat (version %1); this version reads designs up to version %2.</translation>
    </message>
    <message>
        <source>Namensschild mit Logo</source>
        <translation>Name badge with logo</translation>
    </message>
    <message>
        <source>Namensschild mit QR-Code</source>
        <translation>Name badge with QR code</translation>
    </message>
    <message>
        <source>Adressetikett</source>
        <translation>Address label</translation>
    </message>
</context>
<context>
    <name>DesignState</name>
    <message>
        <source>Gestaltung</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Gestalten...</source>
        <translation>Design...</translation>
    </message>
    <message>
        <source>Öffnen...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Gestaltung öffnen: Bogen, Schrift, Beschriftung, Bilder, Code und Farben aus einer .tagomat-Datei</source>
        <translation>Open a design: sheet, font, label text, pictures, code and colours from a .tagomat file</translation>
    </message>
    <message>
        <source>Gestaltung speichern: alles, was das Etikett ausmacht, samt Bildern</source>
        <translation>Save the design: everything that makes up the label, pictures included</translation>
    </message>
    <message>
        <source>Mitgelieferte</source>
        <translation>Included</translation>
    </message>
    <message>
        <source>Gestaltungen, die Tagomat mitbringt</source>
        <translation>Designs that come with Tagomat</translation>
    </message>
    <message>
        <source>Gestaltung öffnen</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht lesen: %2</source>
        <translation>The file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist mit %2 Bytes zu groß für eine Gestaltung (höchstens %3).</source>
        <translation>The file “%1” is too large for a design with %2 bytes (at most %3).</translation>
    </message>
    <message>
        <source>Die Gestaltung „%1“ wurde nicht geöffnet: %2</source>
        <translation>The design “%1” was not opened: %2</translation>
    </message>
    <message>
        <source>Gestaltung speichern</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>„%1“ ist die geöffnete Liste; die Gestaltung wird nicht darüber geschrieben.</source>
        <translation>“%1” is the open list; the design is not written over it.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation>“%1” could not be written: %2</translation>
    </message>
    <message>
        <source>Tagomat-Gestaltung (*.tagomat);;Alle Dateien (*)</source>
        <translation>Tagomat design (*.tagomat);;All files (*)</translation>
    </message>
</context>
<context>
    <name>FullNameOffer</name>
    <message>
        <source>Vorname und Nachname zusammen drucken?</source>
        <translation>Print first name and last name together?</translation>
    </message>
    <message>
        <source>Ja, zusammen</source>
        <translation>Yes, together</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>GLabelsTemplates</name>
    <message>
        <source>Länge „%1“ in %2 nicht lesbar</source>
        <translation>Length “%1” in %2 not readable</translation>
    </message>
    <message>
        <source>Anzahl %1 nicht lesbar</source>
        <translation>Count %1 not readable</translation>
    </message>
    <message>
        <source>Etikettenform %1 wird nicht unterstützt</source>
        <translation>Label shape %1 is not supported</translation>
    </message>
    <message>
        <source>gLabels-Vorlage</source>
        <translation>gLabels template</translation>
    </message>
    <message>
        <source>gLabels-Vorlage %1</source>
        <translation>gLabels template %1</translation>
    </message>
    <message>
        <source>Papierformat „%1“ wird nicht unterstützt</source>
        <translation>Paper size “%1” is not supported</translation>
    </message>
    <message>
        <source>keine Teilenummer (part), unter der die Vorlage gespeichert werden kann</source>
        <translation>no part number (part) to keep the template under</translation>
    </message>
    <message>
        <source>%1 Etikettenarten auf einem Bogen</source>
        <translation>%1 kinds of label on one sheet</translation>
    </message>
    <message>
        <source>%1 Anordnungen statt einer</source>
        <translation>%1 layouts instead of one</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MB.</source>
        <translation>The file is larger than %1 MB.</translation>
    </message>
    <message>
        <source>Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE); solche Dateien werden nicht gelesen.</source>
        <translation>The file holds a document type declaration (DOCTYPE); such files are not read.</translation>
    </message>
    <message>
        <source>Die Datei ist keine gLabels-Vorlagendatei.</source>
        <translation>The file is no gLabels template file.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als %1 Vorlagen.</source>
        <translation>The file holds more than %1 templates.</translation>
    </message>
    <message>
        <source>%1: gleich %2, das nicht gelesen wurde</source>
        <translation>%1: equal to %2, which was not read</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges XML (Zeile %1: %2).</source>
        <translation>The file is no valid XML (line %1: %2).</translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Bitte die Datei in Excel mit „Speichern unter“ als „Excel 97-2003-Arbeitsmappe (*.xls)“ speichern und erneut importieren.</source>
        <translation>Please save the file in Excel with “Save As” as “Excel 97-2003 Workbook (*.xls)” and import it again.</translation>
    </message>
    <message>
        <source> (Zeile %1)</source>
        <translation> (line %1)</translation>
    </message>
    <message>
        <source>ein Word-Dokument (.docx)</source>
        <translation>a Word document (.docx)</translation>
    </message>
    <message>
        <source>eine PowerPoint-Präsentation (.pptx)</source>
        <translation>a PowerPoint presentation (.pptx)</translation>
    </message>
    <message>
        <source>ein Office-Dokument</source>
        <translation>an Office document</translation>
    </message>
    <message>
        <source>ein OpenDocument-Text (.odt)</source>
        <translation>an OpenDocument text (.odt)</translation>
    </message>
    <message>
        <source>eine OpenDocument-Präsentation (.odp)</source>
        <translation>an OpenDocument presentation (.odp)</translation>
    </message>
    <message>
        <source>eine OpenDocument-Zeichnung (.odg)</source>
        <translation>an OpenDocument drawing (.odg)</translation>
    </message>
    <message>
        <source>ein OpenDocument-Dokument</source>
        <translation>an OpenDocument document</translation>
    </message>
    <message>
        <source>eine ZIP-Datei</source>
        <translation>a ZIP file</translation>
    </message>
    <message>
        <source>Die Datei ist %1, keine Tabelle. Bitte eine Tabelle (.xls, .xlsx, .ods oder .csv) wählen.</source>
        <translation>The file is %1, not a spreadsheet. Please choose a spreadsheet (.xls, .xlsx, .ods or .csv).</translation>
    </message>
    <message>
        <source>Stelle: Byte %1</source>
        <translation>Position: byte %1</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Fehlerkennung: %1</source>
        <translation>Error code: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden. Bitte prüfen, ob sie vorhanden ist und ob Sie sie öffnen dürfen.</source>
        <translation>The file cannot be read. Please check that it exists and that you may open it.</translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für eine Excel-Arbeitsmappe (.xls).</source>
        <translation>The file is too large for an Excel workbook (.xls).</translation>
    </message>
    <message>
        <source>Die Datei ist keine Excel-Arbeitsmappe (.xls).</source>
        <translation>The file is not an Excel workbook (.xls).</translation>
    </message>
    <message>
        <source>Die Datei ist eine Arbeitsmappe im neueren Format .xlsx oder ein anderes Office-Dokument, keine Excel-Arbeitsmappe (.xls). </source>
        <translation>The file is a workbook in the newer .xlsx format or another Office document, not an Excel workbook (.xls). </translation>
    </message>
    <message>
        <source>Die Datei ist im Format einer alten Excel-Version gespeichert, das nicht gelesen werden kann. </source>
        <translation>The file is saved in the format of an old Excel version that cannot be read. </translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Passwort geschützt. Ohne das Passwort kann sie nicht importiert werden.</source>
        <translation>The workbook is protected with a password. It cannot be imported without the password.</translation>
    </message>
    <message>
        <source>Falsches Passwort: Mit diesem Passwort lässt sich die Arbeitsmappe nicht öffnen. Bitte auf Groß- und Kleinschreibung achten.</source>
        <translation>Wrong password: this password does not open the workbook. Please mind upper and lower case.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Verfahren verschlüsselt, das nicht gelesen werden kann. Bitte den Passwortschutz in Excel entfernen, die Datei speichern und erneut importieren.</source>
        <translation>The workbook is encrypted with a method that cannot be read. Please remove the password protection in Excel, save the file and import it again.</translation>
    </message>
    <message>
        <source>Die Datei ist eine verschlüsselte Arbeitsmappe im neueren Format .xlsx, keine Excel-Arbeitsmappe (.xls). Bitte in Excel den Passwortschutz entfernen und die Datei als „Excel 97-2003-Arbeitsmappe (*.xls)“ speichern.</source>
        <translation>The file is an encrypted workbook in the newer .xlsx format, not an Excel workbook (.xls). Please remove the password protection in Excel and save the file as “Excel 97-2003 Workbook (*.xls)”.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe verwendet eine Zeichenkodierung (Codepage), die auf diesem System nicht gelesen werden kann. </source>
        <translation>The workbook uses a character encoding (code page) that cannot be read on this system. </translation>
    </message>
    <message>
        <source>Die Datei ist in einer Variante des Dateiformats gespeichert, die nicht gelesen werden kann. </source>
        <translation>The file is saved in a variant of the file format that cannot be read. </translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder unvollständig.</source>
        <translation>The file is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Excel-Arbeitsmappe, vielleicht ist sie ein anderes Office-Dokument.</source>
        <translation>The file holds no Excel workbook; perhaps it is another Office document.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe enthält kein Tabellenblatt.</source>
        <translation>The workbook holds no worksheet.</translation>
    </message>
    <message>
        <source>Der Text der Datei passt nicht zur gewählten Zeichenkodierung. Bitte beim Textimport eine andere Kodierung wählen.</source>
        <translation>The text of the file does not match the chosen character encoding. Please choose another encoding in the text import.</translation>
    </message>
    <message>
        <source>Ein Feld in Anführungszeichen wird nicht geschlossen%1. Bitte das fehlende Anführungszeichen in der Datei ergänzen.</source>
        <translation>A quoted field is not closed%1. Please add the missing quotation mark to the file.</translation>
    </message>
    <message>
        <source>Die Textdatei ist zu groß%1: erlaubt sind höchstens 256 MiB, 1.048.576 Zeilen, 16.384 Felder je Zeile und 32.767 Zeichen je Feld.</source>
        <translation>The text file is too large%1: at most 256 MiB, 1,048,576 lines, 16,384 fields per line and 32,767 characters per field are allowed.</translation>
    </message>
    <message>
        <source>Die Datei ist verschlüsselt oder auf eine Weise gepackt, die nicht gelesen werden kann. Bitte die Datei in Excel oder LibreOffice ohne Kennwort neu speichern und erneut importieren.</source>
        <translation>The file is encrypted or packed in a way that cannot be read. Please save the file again without a password in Excel or LibreOffice and import it again.</translation>
    </message>
    <message>
        <source>Die Datei überschreitet die Grenzen, die beim Import gelten (Größe, Zeilen, Spalten oder Textlänge einer Zelle), und wird nicht gelesen.</source>
        <translation>The file exceeds the limits of the import (size, rows, columns or text length of a cell) and is not read.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Tabelle, die gelesen werden kann, vielleicht ist sie ein anderes Dokument.</source>
        <translation>The file holds no spreadsheet that can be read; perhaps it is another document.</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist als Excel-Binärarbeitsmappe (.xlsb) gespeichert. Bitte in Excel als „Excel-Arbeitsmappe (*.xlsx)“ speichern und erneut importieren.</source>
        <translation>The workbook is saved as an Excel binary workbook (.xlsb). Please save it in Excel as “Excel Workbook (*.xlsx)” and import it again.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht importiert werden.</source>
        <translation>The file cannot be imported.</translation>
    </message>
    <message>
        <source>Der Import wurde abgebrochen.</source>
        <translation>The import was cancelled.</translation>
    </message>
</context>
<context>
    <name>JobProgress</name>
    <message>
        <source>Liste wird gelesen …</source>
        <translation>Reading the list …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>LabelArt</name>
    <message>
        <source>einen QR-Code</source>
        <translation>a QR code</translation>
    </message>
    <message>
        <source>einen Data-Matrix-Code</source>
        <translation>a Data Matrix code</translation>
    </message>
    <message>
        <source>höchstens 2953 Bytes</source>
        <translation>at most 2953 bytes</translation>
    </message>
    <message>
        <source>höchstens 1556 Bytes</source>
        <translation>at most 1556 bytes</translation>
    </message>
    <message>
        <source>höchstens 60 Codezeichen</source>
        <translation>at most 60 code characters</translation>
    </message>
    <message>
        <source>genau 12 oder 13 Ziffern</source>
        <translation>exactly 12 or 13 digits</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 ist kein EAN-13: %2 Zeichen, erlaubt sind genau 12 oder 13 Ziffern.</source>
        <translation>%1 is no EAN-13: %2 characters, exactly 12 or 13 digits are allowed.</translation>
    </message>
    <message>
        <source>Die Prüfziffer von %1 stimmt nicht: %2 statt %3.</source>
        <translation>The check digit of %1 is wrong: %2 instead of %3.</translation>
    </message>
    <message>
        <source>%1 ist mit %2 Bytes zu lang für %3 (%4).</source>
        <translation>%1 is too long for %3 with %2 bytes (%4).</translation>
    </message>
    <message>
        <source>%1 enthält Zeichen, die %2 nicht darstellen kann.</source>
        <translation>%1 holds characters that %2 cannot show.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht als %2 darstellen (zint: %3).</source>
        <translation>%1 cannot be shown as %2 (zint: %3).</translation>
    </message>
    <message>
        <source>ohne Namen</source>
        <translation>without a name</translation>
    </message>
    <message>
        <source>Das Bild „%1“ ist leer.</source>
        <translation>The picture “%1” is empty.</translation>
    </message>
    <message>
        <source>Das Bild „%1“ lässt sich nicht lesen: das SVG ist fehlerhaft.</source>
        <translation>The picture “%1” cannot be read: the SVG is faulty.</translation>
    </message>
    <message>
        <source>Das Bild „%1“ lässt sich nicht lesen: es ist kein PNG, JPEG oder SVG, das sich öffnen lässt.</source>
        <translation>The picture “%1” cannot be read: it is no PNG, JPEG or SVG that can be opened.</translation>
    </message>
    <message>
        <source>%1 ist zu lang für die gewählte Größe: ein Modul wäre %2 mm breit, lesbar sind ab %3 mm.</source>
        <translation>%1 is too long for the chosen size: a module would be %2 mm wide, readable are %3 mm and more.</translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation>and %1 more</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Breite und Höhe der Etiketten müssen größer als 0 mm sein.</source>
        <translation>The width and height of the labels must be above 0 mm.</translation>
    </message>
    <message>
        <source>Der Eckenradius muss zwischen 0 mm und der halben Etikettenbreite bzw. -höhe liegen.</source>
        <translation>The corner radius must lie between 0 mm and half the label width or height.</translation>
    </message>
    <message>
        <source>Der Bogen braucht mindestens eine Spalte und eine Reihe (höchstens 1000).</source>
        <translation>The sheet needs at least one column and one row (at most 1000).</translation>
    </message>
    <message>
        <source>Die Ränder dürfen nicht negativ sein.</source>
        <translation>The margins must not be negative.</translation>
    </message>
    <message>
        <source>Der Abstand von Etikett zu Etikett ist kleiner als das Etikett: die Etiketten würden sich überlappen.</source>
        <translation>The pitch from label to label is smaller than the label: the labels would overlap.</translation>
    </message>
    <message>
        <source>Die Etiketten ragen über das Papier hinaus.</source>
        <translation>The labels reach beyond the paper.</translation>
    </message>
    <message>
        <source>Die Ränder, die der Drucker nicht bedrucken kann, lassen auf dem Etikett keinen Platz.</source>
        <translation>The margins the printer cannot print on leave no room on the label.</translation>
    </message>
</context>
<context>
    <name>LabelTextEditor</name>
    <message>
        <source>Beschriftung</source>
        <translation>Label text</translation>
    </message>
    <message>
        <source>Beispiel:</source>
        <translation>Example:</translation>
    </message>
    <message>
        <source>«Spalte»</source>
        <translation>«Column»</translation>
    </message>
    <message>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>+ Spalte</source>
        <translation>+ Column</translation>
    </message>
    <message>
        <source>Fügt den Wert einer Spalte in diese Zeile ein</source>
        <translation>Inserts the value of a column into this line</translation>
    </message>
    <message>
        <source>Zeile %1:</source>
        <translation>Line %1:</translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Keine Spalte „%1“</source>
        <translation>No column “%1”</translation>
    </message>
    <message>
        <source>(noch keine Liste)</source>
        <translation>(no list yet)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Import abgebrochen.</source>
        <translation>Import cancelled.</translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Tagomat</source>
        <translation>Tagomat</translation>
    </message>
    <message>
        <source>Eigenschaft</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Suche:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>Erste Seite (Pos1)</source>
        <translation>First page (Home)</translation>
    </message>
    <message>
        <source>Seite</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Seitenzahl eingeben und mit der Eingabetaste springen</source>
        <translation>Enter a page number and press Enter to go there</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>/ 1</source>
        <translation>/ 1</translation>
    </message>
    <message>
        <source>Letzte Seite (Ende)</source>
        <translation>Last page (End)</translation>
    </message>
    <message>
        <source>Zoom (Strg+Mausrad)</source>
        <translation>Zoom (Ctrl+mouse wheel)</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>D&amp;rucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;XLS Importieren...</source>
        <translation>Import &amp;XLS...</translation>
    </message>
    <message>
        <source>&amp;CSV Importieren...</source>
        <translation>Import &amp;CSV...</translation>
    </message>
    <message>
        <source>X&amp;ML Importieren...</source>
        <translation>Import X&amp;ML...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Über &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Über &amp;Tagomat</source>
        <translation>About &amp;Tagomat</translation>
    </message>
    <message>
        <source>&amp;Schriftart...</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, %2 px</source>
        <translation>%1, %2 px</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Reihen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Labelspalten</source>
        <translation>Label columns</translation>
    </message>
    <message>
        <source>Labelreihen</source>
        <translation>Label rows</translation>
    </message>
    <message>
        <source>Labelbreite</source>
        <translation>Label width</translation>
    </message>
    <message>
        <source>Labelhöhe</source>
        <translation>Label height</translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Kopfzeile nicht drucken</source>
        <translation>Do not print the caption row</translation>
    </message>
    <message>
        <source>Spalte Namen</source>
        <translation>Name column</translation>
    </message>
    <message>
        <source>Spalte Anzahl</source>
        <translation>Quantity column</translation>
    </message>
    <message>
        <source>Zeile 1 (die Spaltenüberschriften) ergibt kein Label.</source>
        <translation>Row 1 (the column captions) makes no label.</translation>
    </message>
    <message>
        <source>Gleiche Etiketten zusammenfassen</source>
        <translation>Merge equal labels</translation>
    </message>
    <message>
        <source>Zeilen mit gleichem Label ergeben ein Label mit der Anzahl der letzten solchen Zeile; sonst ist jede Zeile ein eigenes Label.</source>
        <translation>Rows with the same label make one label with the quantity of the last such row; otherwise every row is a label of its own.</translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation>Whole page</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation>/ %1</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Alle unterstützten Dateien (*.xls *.xlsx *.xlsm *.ods *.fods *.xml *.csv *.txt *.tsv);;Alle Dateien (*)</source>
        <translation>All supported files (*.xls *.xlsx *.xlsm *.ods *.fods *.xml *.csv *.txt *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Exceldatei öffnen</source>
        <translation>Open Excel file</translation>
    </message>
    <message>
        <source>Excel Dateien (*.xls)</source>
        <translation>Excel files (*.xls)</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Import fehlgeschlagen</source>
        <translation>Import failed</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht importiert werden.</source>
        <translation>The file “%1” could not be imported.</translation>
    </message>
    <message>
        <source>Arbeitsmappe öffnen</source>
        <translation>Open workbook</translation>
    </message>
    <message>
        <source>Arbeitsmappen (*.xlsx *.xlsm *.ods *.fods *.xml);;Alle Dateien (*)</source>
        <translation>Workbooks (*.xlsx *.xlsm *.ods *.fods *.xml);;All files (*)</translation>
    </message>
    <message>
        <source>Textdatei öffnen</source>
        <translation>Open text file</translation>
    </message>
    <message>
        <source>Textdateien (*.csv *.txt *.tsv);;Alle Dateien (*)</source>
        <translation>Text files (*.csv *.txt *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Empfang</source>
        <translation>&amp;Reception</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Passwort erforderlich</source>
        <translation>Password required</translation>
    </message>
    <message>
        <source>Die Arbeitsmappe „%1“ ist mit einem Passwort geschützt. Bitte das Passwort eingeben:</source>
        <translation>The workbook “%1” is protected with a password. Please enter the password:</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PrintRange</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Seiten %1 bis %2 von %3</source>
        <translation>pages %1 to %2 of %3</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <comment>on a line of its own</comment>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>QPagePreview</name>
    <message>
        <source>Etiketten drucken (Rolle, %1 mm je Seite): %2</source>
        <translation>Print labels (roll, %1 mm per page): %2</translation>
    </message>
    <message>
        <source>Labels drucken (Letter-Bögen): %1</source>
        <translation>Print labels (Letter sheets): %1</translation>
    </message>
    <message>
        <source>Labels drucken (A4-Bögen): %1</source>
        <translation>Print labels (A4 sheets): %1</translation>
    </message>
    <message>
        <source>%1 Seiten drucken? Eine Menge in der Liste ist vielleicht zu groß.</source>
        <translation>Print %1 pages? A quantity in the list may be too large.</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Labels drucken: Auswahl, %1 %2</source>
        <translation>Print labels: selection, %1 %2</translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation>label</translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation>labels</translation>
    </message>
    <message>
        <source>Bei dieser Labelgröße passt kein Label auf die Seite. Bitte eine kleinere Labelhöhe wählen.</source>
        <translation>At this label size no label fits on the page. Please choose a smaller label height.</translation>
    </message>
</context>
<context>
    <name>ReceptionDesk</name>
    <message>
        <source>gedruckt %1</source>
        <translation>printed %1</translation>
    </message>
    <message>
        <source>Drucker: PDF-Datei %1</source>
        <translation>Printer: PDF file %1</translation>
    </message>
    <message>
        <source>Drucker: %1</source>
        <translation>Printer: %1</translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Drucker für den Empfang</source>
        <translation>Printer for the reception</translation>
    </message>
    <message>
        <source>Nochmals drucken?</source>
        <translation>Print again?</translation>
    </message>
    <message>
        <source>„%1“ wurde schon gedruckt (%2). Nochmals drucken?</source>
        <translation>“%1” was printed already (%2). Print again?</translation>
    </message>
    <message>
        <source>Empfangsliste exportieren</source>
        <translation>Export reception list</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Name suchen, Eingabetaste druckt</source>
        <translation>Search a name, Enter prints</translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nachmeldung...</source>
        <translation>Late registration...</translation>
    </message>
    <message>
        <source>Korrigieren...</source>
        <translation>Correct...</translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Empfangsliste exportieren...</source>
        <translation>Export reception list...</translation>
    </message>
    <message>
        <source>Drucker wählen...</source>
        <translation>Choose printer...</translation>
    </message>
    <message>
        <source>Drucker: noch nicht gewählt</source>
        <translation>Printer: not chosen yet</translation>
    </message>
    <message>
        <source>Nachmeldung</source>
        <translation>Late registration</translation>
    </message>
    <message>
        <source>Nachmeldung drucken</source>
        <translation>Print late registration</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Korrigieren</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Korrektur drucken</source>
        <translation>Print correction</translation>
    </message>
    <message>
        <source>korrigiert</source>
        <translation>corrected</translation>
    </message>
    <message>
        <source>„%1“ wurde nicht gedruckt: das Etikett passt auf kein Blatt.</source>
        <translation>“%1” was not printed: the label fits on no sheet.</translation>
    </message>
    <message>
        <source>„%1“ gedruckt.</source>
        <translation>“%1” printed.</translation>
    </message>
    <message>
        <source>Die Angaben ergeben kein Etikett.</source>
        <translation>The entries make no label.</translation>
    </message>
    <message>
        <source>Ein Etikett braucht mindestens eine Zeile.</source>
        <translation>A label needs at least one line.</translation>
    </message>
    <message>
        <source>Markierung von „%1“ zurückgenommen.</source>
        <translation>Mark of “%1” taken back.</translation>
    </message>
    <message>
        <source>Die Empfangsliste darf die Namensliste nicht ersetzen.</source>
        <translation>The reception list must not replace the name list.</translation>
    </message>
    <message>
        <source>Empfangsliste gespeichert: %1</source>
        <translation>Reception list saved: %1</translation>
    </message>
    <message>
        <source>Die Empfangsliste konnte nicht gespeichert werden: %1</source>
        <translation>The reception list could not be saved: %1</translation>
    </message>
    <message>
        <source>Der Empfang konnte nicht gespeichert werden: %1</source>
        <translation>The reception could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>SheetChooser</name>
    <message>
        <source>Etikettenbogen</source>
        <translation>Label sheet</translation>
    </message>
    <message>
        <source>Suchen: L7160, Namensschild, 63,5 x 38,1</source>
        <translation>Search: L7160, name badge, 63.5 x 38.1</translation>
    </message>
    <message>
        <source>Bogen</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Etikett </source>
        <translation>Label </translation>
    </message>
    <message>
        <source>Beginnen bei</source>
        <translation>Start at</translation>
    </message>
    <message>
        <source>Rahmen drucken</source>
        <translation>Print outlines</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Outlines</translation>
    </message>
    <message>
        <source>→ </source>
        <translation>→ </translation>
    </message>
    <message>
        <source>↓ </source>
        <translation>↓ </translation>
    </message>
    <message>
        <source>Bandlänge</source>
        <translation>Tape length</translation>
    </message>
    <message>
        <source>Gedreht (quer gelesen)</source>
        <translation>Turned (read across)</translation>
    </message>
    <message>
        <source>Das Etikett wird mit der schmalen Seite voran eingezogen und gedreht bedruckt, so dass es quer gelesen wird.</source>
        <translation>The label is fed narrow side first and printed turned, so that it is read across.</translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Testseite drucken...</source>
        <translation>Print test page...</translation>
    </message>
    <message>
        <source>Vorlagen importieren...</source>
        <translation>Import templates...</translation>
    </message>
    <message>
        <source>Eigener Bogen...</source>
        <translation>Own sheet...</translation>
    </message>
    <message>
        <source>Bogen bearbeiten...</source>
        <translation>Edit sheet...</translation>
    </message>
    <message>
        <source>Bogen löschen</source>
        <translation>Delete sheet</translation>
    </message>
    <message>
        <source>Eigener Bogen</source>
        <translation>Own sheet</translation>
    </message>
    <message>
        <source>Eigene</source>
        <translation>Own</translation>
    </message>
    <message>
        <source>Einfaches Raster (ganze Millimeter)</source>
        <translation>Simple grid (whole millimetres)</translation>
    </message>
    <message>
        <source>%1 mm, Rolle (1 je Seite)</source>
        <translation>%1 mm, roll (1 per page)</translation>
    </message>
    <message>
        <source>%1 mm, %2 × %3 (%4 je Bogen)</source>
        <translation>%1 mm, %2 × %3 (%4 per sheet)</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.</source>
        <translation>The file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist zu groß für eine Vorlagendatei.</source>
        <translation>The file “%1” is too large for a template file.</translation>
    </message>
    <message>
        <source>%1 Etikettenbögen übernommen, %2 übersprungen.</source>
        <translation>%1 label sheets taken over, %2 skipped.</translation>
    </message>
    <message>
        <source>gLabels-Vorlagen importieren</source>
        <translation>Import gLabels templates</translation>
    </message>
    <message>
        <source>gLabels-Vorlagen (*.xml)</source>
        <translation>gLabels templates (*.xml)</translation>
    </message>
    <message>
        <source>Vorlagen importieren</source>
        <translation>Import templates</translation>
    </message>
    <message>
        <source>Testseite drucken (Normalpapier)</source>
        <translation>Print test page (plain paper)</translation>
    </message>
    <message>
        <source>Endlosband %1 mm</source>
        <translation>Continuous tape %1 mm</translation>
    </message>
    <message>
        <source>%1 mm, Rolle</source>
        <translation>%1 mm, roll</translation>
    </message>
    <message>
        <source>Korrektur (kein Drucker)</source>
        <translation>Correction (no printer)</translation>
    </message>
    <message>
        <source>Korrektur für «%1»</source>
        <translation>Correction for «%1»</translation>
    </message>
</context>
<context>
    <name>SheetEditorDialog</name>
    <message>
        <source>Etikettenbogen bearbeiten</source>
        <translation>Edit label sheet</translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>Name / Produktnummer</source>
        <translation>Name / product code</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Etikettenbreite</source>
        <translation>Label width</translation>
    </message>
    <message>
        <source>Etikettenhöhe</source>
        <translation>Label height</translation>
    </message>
    <message>
        <source>Eckenradius</source>
        <translation>Corner radius</translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Reihen</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>Rand links</source>
        <translation>Left margin</translation>
    </message>
    <message>
        <source>Rand oben</source>
        <translation>Top margin</translation>
    </message>
    <message>
        <source>Abstand waagrecht (Etikett + Lücke)</source>
        <translation>Horizontal pitch (label + gap)</translation>
    </message>
    <message>
        <source>Abstand senkrecht (Etikett + Lücke)</source>
        <translation>Vertical pitch (label + gap)</translation>
    </message>
    <message>
        <source>Nicht bedruckbar je Seite quer zur Rolle</source>
        <translation>Unprintable on each side across the roll</translation>
    </message>
    <message>
        <source>Nicht bedruckbar je Ende längs der Rolle</source>
        <translation>Unprintable at each end along the roll</translation>
    </message>
    <message>
        <source>Bogen</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>Rolle mit Einzeletiketten</source>
        <translation>Roll of single labels</translation>
    </message>
    <message>
        <source>Rolle mit Endlosband</source>
        <translation>Roll of continuous tape</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Gedreht (quer gelesen)</source>
        <translation>Turned (read across)</translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <source>„%1“ ist keine Millimeterangabe (%2).</source>
        <translation>“%1” is no length in millimetres (%2).</translation>
    </message>
    <message>
        <source>Bitte einen Namen oder eine Produktnummer angeben.</source>
        <translation>Please give a name or a product code.</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 Zeile gleicht einem Label weiter oben und wurde mit ihm zusammengefasst.</source>
        <translation>1 row equals a label further up and was merged with it.</translation>
    </message>
    <message>
        <source>%1 Zeilen gleichen einem Label weiter oben und wurden mit ihm zusammengefasst.</source>
        <translation>%1 rows equal a label further up and were merged with it.</translation>
    </message>
    <message>
        <source>Es zählt die Anzahl der letzten gleichen Zeile.</source>
        <translation>The quantity of the last equal row counts.</translation>
    </message>
    <message>
        <source>Die Suche nach „%1“ findet keinen Namen.</source>
        <translation>The search for “%1” finds no name.</translation>
    </message>
    <message>
        <source>%1 Treffer.</source>
        <translation>%1 matches.</translation>
    </message>
    <message>
        <source>Treffer %1 von %2.</source>
        <translation>Match %1 of %2.</translation>
    </message>
    <message>
        <source>Keine Namensliste importiert: Datei › Öffnen... öffnet eine.</source>
        <translation>No name list imported: File › Open... opens one.</translation>
    </message>
    <message>
        <source>Kein Name beginnt mit „%1“.</source>
        <translation>No name begins with “%1”.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Namen</source>
        <translation>names</translation>
    </message>
    <message>
        <source>Label.</source>
        <translation>label.</translation>
    </message>
    <message>
        <source>Labels.</source>
        <translation>labels.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Namen unter der Kopfzeile.</source>
        <translation>The file holds no names below the caption row.</translation>
    </message>
    <message>
        <source>Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ lässt sie weg).</source>
        <translation>The caption row is printed as a label (“Do not print the caption row” leaves it out).</translation>
    </message>
    <message>
        <source>1 Zeile mit einer Anzahl, die keine ganze Zahl ist, wurde als 1 gezählt.</source>
        <translation>1 row with a quantity that is no whole number was counted as 1.</translation>
    </message>
    <message>
        <source>%1 Zeilen mit einer Anzahl, die keine ganze Zahl ist, wurden als 1 gezählt.</source>
        <translation>%1 rows with a quantity that is no whole number were counted as 1.</translation>
    </message>
    <message>
        <source>1 Name mit einer Anzahl unter 1 erhält kein Label.</source>
        <translation>1 name with a quantity below 1 gets no label.</translation>
    </message>
    <message>
        <source>%1 Namen mit einer Anzahl unter 1 erhalten kein Label.</source>
        <translation>%1 names with a quantity below 1 get no label.</translation>
    </message>
    <message>
        <source>Menge über %1: %2 bei «%3»</source>
        <translation>Quantity above %1: %2 for «%3»</translation>
    </message>
    <message>
        <source>und bei 1 weiteren Namen</source>
        <translation>and for 1 more name</translation>
    </message>
    <message>
        <source>und bei %1 weiteren Namen</source>
        <translation>and for %1 more names</translation>
    </message>
    <message>
        <source>Gedruckt wird die %1.</source>
        <translation>Printing %1.</translation>
    </message>
    <message>
        <source>Gedruckt werden die %1.</source>
        <translation>Printing %1.</translation>
    </message>
    <message>
        <source>Dazu %1 weitere Abweichungen von der Gestaltung.</source>
        <translation>And %1 more departures from the design.</translation>
    </message>
    <message>
        <source>%1 von %2 gedruckt.</source>
        <translation>%1 of %2 printed.</translation>
    </message>
    <message>
        <source>de_DE</source>
        <comment>the locale the status line writes numbers in</comment>
        <translation>en_US</translation>
    </message>
</context>
<context>
    <name>TerminalProgress</name>
    <message>
        <source>Lesen: %1 %</source>
        <translation>Reading: %1 %</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Testseite auf einen Etikettenbogen legen und gegen das Licht halten.</source>
        <translation>Lay the test page on a label sheet and hold it against the light.</translation>
    </message>
    <message>
        <source>Abweichung der Kreuze von den Etikettenmitten an den Skalen ablesen und als Druckerkorrektur (→ ↓) eintragen.</source>
        <translation>Read the offset of the crosses from the label centres on the scales and enter it as the printer correction (→ ↓).</translation>
    </message>
</context>
<context>
    <name>TextImportDialog</name>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Windows-1252 (Westeuropäisch)</source>
        <translation>Windows-1252 (Western European)</translation>
    </message>
    <message>
        <source>UTF-16 LE</source>
        <translation>UTF-16 LE</translation>
    </message>
    <message>
        <source>UTF-16 BE</source>
        <translation>UTF-16 BE</translation>
    </message>
    <message>
        <source>ISO-8859-15 (Latin-9)</source>
        <translation>ISO-8859-15 (Latin-9)</translation>
    </message>
    <message>
        <source>DOS (Codepage 850)</source>
        <translation>DOS (code page 850)</translation>
    </message>
    <message>
        <source>Mac OS Roman</source>
        <translation>Mac OS Roman</translation>
    </message>
    <message>
        <source>Semikolon ( ; )</source>
        <translation>Semicolon ( ; )</translation>
    </message>
    <message>
        <source>Komma ( , )</source>
        <translation>Comma ( , )</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Senkrechter Strich ( | )</source>
        <translation>Vertical bar ( | )</translation>
    </message>
    <message>
        <source>Zeichen „%1“</source>
        <translation>Character “%1”</translation>
    </message>
    <message>
        <source>Codepage %1</source>
        <translation>Code page %1</translation>
    </message>
    <message>
        <source>Textimport</source>
        <translation>Text import</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zeichenkodierung:</source>
        <translation>Character encoding:</translation>
    </message>
    <message>
        <source>Trennzeichen:</source>
        <translation>Delimiter:</translation>
    </message>
    <message>
        <source>So werden die ersten Zeilen gelesen:</source>
        <translation>This is how the first lines are read:</translation>
    </message>
    <message>
        <source>Erkannt: %1, %2</source>
        <translation>Detected: %1, %2</translation>
    </message>
</context>
</TS>
