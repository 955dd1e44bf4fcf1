<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Über...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColumnLookup</name>
    <message>
        <source>keine Spalte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 passt auf die Spalten %2 und %3; bitte die Spalte mit ihrer Nummer angeben</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Schreibt die Etiketten von FILE als PDF nach OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schreibt die Testseite des Etikettenbogens als PDF nach OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listet die Etikettenbögen des Katalogs auf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikettenbogen nach Artikelnummer oder Alias.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schriftfamilie und Größe in Punkt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lässt die Kopfzeile weg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erstes benutztes Etikett auf dem ersten Bogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte der Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte der Anzahlen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikettentext: Spalten als «Überschrift», Zeilen getrennt durch |.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckt die Umrisse der Etiketten auf einem gewählten Bogen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verschiebt den Druck nach rechts (mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verschiebt den Druck nach unten (mm).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge, die jedes Etikett vom Endlosband nimmt (mm, Vorgabe 100).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lehnt einen Auftrag mit mehr als N Seiten ab (Vorgabe 10000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckt nur die Etiketten mit einer Zeile, die TEXT enthält (Groß- und Kleinschreibung egal).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckt nur die Etiketten dieser Zeilen, nummeriert wie in der Tabelle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Druckt Namensetiketten aus einer Liste. Ohne --print-pdf, --test-page oder
--list-stock öffnet Tagomat sein Fenster (tagomat [FILE]).
In --text ist \| ein | auf dem Etikett statt einer neuen Zeile.
Rückgabewert: 0 erledigt, 1 eine Datei, ein Bogen oder eine Etikettenliste, die
nicht verwendet werden können, 2 eine Befehlszeile, die nicht verwendet werden
kann; OUT wird nur bei Erfolg geschrieben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Namensliste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--font erwartet FAMILIE,PUNKTE, z. B. &quot;Arial,12&quot;; gefunden &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 erwartet Millimeter von -%2 bis %2, gefunden &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tape-length erwartet Millimeter von %1 bis %2, gefunden &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--tape-length gilt nur für Endlosband (etwa --stock DK-22205), nicht für %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>das Raster der Labelgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbekannter Etikettenbogen &quot;%1&quot; (tagomat --list-stock zeigt alle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start erwartet eine Etikettennummer ab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--max-pages erwartet eine Seitenzahl ab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rows erwartet Zeilennummern ab 1 wie 3,5-9, gefunden &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--text hat %1 Zeilen, ein Etikett höchstens %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1: %2; Spalten: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--text &quot;%1&quot; nennt keine Spalte wie %2Name%3; es gäbe keine Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ergibt keine Etiketten: keine Zeile hat einen Namen mit einer Anzahl ab 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ergibt mit %2 keine Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start %1: auf der Rolle %2 hat jede Seite ein Etikett; --start gilt nur für Bögen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--start %1: der Bogen %2 hat nur %3 Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>der Labelgröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Etiketten ergäben %2 Seiten, mehr als --max-pages %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist die Eingabedatei; die Ausgabe braucht einen anderen Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 auf %3 %4: %5
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tagomat: Warnung: Schrift &quot;%1&quot; nicht vorhanden, gedruckt wird mit &quot;%2&quot;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genau eine von --print-pdf, --test-page, --list-stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--print-pdf braucht genau eine Eingabedatei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 %2: Datei nicht lesbar (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 %2: größer als %3 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wendet eine gespeicherte Gestaltung (.tagomat) an; die anderen Optionen gehen vor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo (PNG, JPEG, SVG) oben links auf jedem Etikett.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR-Code unten rechts: Spalten als «Überschrift», wie bei --text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--qr erwartet den Inhalt des Codes, z. B. &quot;«E-Mail»&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; Spalten: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Gestaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 1 (Schriftart des Etiketts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kursiv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zentriert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Größe automatisch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die größte Schrift, in der diese Zeile auf jedes Etikett der Liste passt: alle Etiketten gleich groß</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe der Zeile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild wählen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG, JPEG oder SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hintergrund</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Als:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Links:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilder (*.png *.jpg *.jpeg *.svg);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aus einer Vorlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vCard aus Vorname, Nachname, Firma, E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR-Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EAN-13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«E-Mail»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Spalte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inhalt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorname:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachname:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band am unteren Rand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farbe für „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aufsteigend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>absteigend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sortieren nach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dann nach:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohne Spalte bleibt die Reihenfolge der Liste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erika Mustermann</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beispiel GmbH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>Die Gestaltung ist beschädigt: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist kein Objekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist keine Liste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hat %1 Einträge, höchstens %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist kein Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist weder true noch false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist %1, erwartet eine Zahl von %2 bis %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist %1, erwartet %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist %1, erwartet eine Farbe wie #1a2b3c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist kein Bogen des Katalogs, und die Maße des Bogens fehlen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist %1 MiB groß, höchstens %2 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist kein Bild in Base64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sind zusammen %1 MiB groß, höchstens %2 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ist ein zweiter Hintergrund; es gibt nur einen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild ist zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Gestaltung hat höchstens %1 Bilder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Bilder sind zusammen zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung ist zu groß: %1 MiB, höchstens %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: kein lesbares JSON (Fehler bei Zeichen %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: sie ist kein JSON-Objekt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist keine Tagomat-Gestaltung: ihr Feld „format“ ist nicht „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung ist beschädigt: ihre Version fehlt oder ist keine ganze Zahl ab 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung stammt aus einer neueren Version von Tagomat (Version %1); diese Version liest Gestaltungen bis Version %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namensschild mit Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namensschild mit QR-Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adressetikett</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesignState</name>
    <message>
        <source>Gestaltung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestalten...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestaltung öffnen: Bogen, Schrift, Beschriftung, Bilder, Code und Farben aus einer .tagomat-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestaltung speichern: alles, was das Etikett ausmacht, samt Bildern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitgelieferte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestaltungen, die Tagomat mitbringt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestaltung öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ lässt sich nicht lesen: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist mit %2 Bytes zu groß für eine Gestaltung (höchstens %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Gestaltung „%1“ wurde nicht geöffnet: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gestaltung speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist die geöffnete Liste; die Gestaltung wird nicht darüber geschrieben.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tagomat-Gestaltung (*.tagomat);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FullNameOffer</name>
    <message>
        <source>Vorname und Nachname zusammen drucken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ja, zusammen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nein</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GLabelsTemplates</name>
    <message>
        <source>Länge „%1“ in %2 nicht lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl %1 nicht lesbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikettenform %1 wird nicht unterstützt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gLabels-Vorlage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gLabels-Vorlage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papierformat „%1“ wird nicht unterstützt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Teilenummer (part), unter der die Vorlage gespeichert werden kann</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Etikettenarten auf einem Bogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Anordnungen statt einer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE); solche Dateien werden nicht gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist keine gLabels-Vorlagendatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als %1 Vorlagen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: gleich %2, das nicht gelesen wurde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist kein gültiges XML (Zeile %1: %2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFailure</name>
    <message>
        <source>Bitte die Datei in Excel mit „Speichern unter“ als „Excel 97-2003-Arbeitsmappe (*.xls)“ speichern und erneut importieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Zeile %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Word-Dokument (.docx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine PowerPoint-Präsentation (.pptx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein Office-Dokument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein OpenDocument-Text (.odt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine OpenDocument-Präsentation (.odp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine OpenDocument-Zeichnung (.odg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ein OpenDocument-Dokument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eine ZIP-Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist %1, keine Tabelle. Bitte eine Tabelle (.xls, .xlsx, .ods oder .csv) wählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stelle: Byte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerkennung: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden. Bitte prüfen, ob sie vorhanden ist und ob Sie sie öffnen dürfen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist zu groß für eine Excel-Arbeitsmappe (.xls).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist keine Excel-Arbeitsmappe (.xls).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist eine Arbeitsmappe im neueren Format .xlsx oder ein anderes Office-Dokument, keine Excel-Arbeitsmappe (.xls). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist im Format einer alten Excel-Version gespeichert, das nicht gelesen werden kann. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Passwort geschützt. Ohne das Passwort kann sie nicht importiert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Passwort: Mit diesem Passwort lässt sich die Arbeitsmappe nicht öffnen. Bitte auf Groß- und Kleinschreibung achten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist mit einem Verfahren verschlüsselt, das nicht gelesen werden kann. Bitte den Passwortschutz in Excel entfernen, die Datei speichern und erneut importieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist eine verschlüsselte Arbeitsmappe im neueren Format .xlsx, keine Excel-Arbeitsmappe (.xls). Bitte in Excel den Passwortschutz entfernen und die Datei als „Excel 97-2003-Arbeitsmappe (*.xls)“ speichern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe verwendet eine Zeichenkodierung (Codepage), die auf diesem System nicht gelesen werden kann. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist in einer Variante des Dateiformats gespeichert, die nicht gelesen werden kann. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist beschädigt oder unvollständig.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält keine Excel-Arbeitsmappe, vielleicht ist sie ein anderes Office-Dokument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe enthält kein Tabellenblatt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Text der Datei passt nicht zur gewählten Zeichenkodierung. Bitte beim Textimport eine andere Kodierung wählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Feld in Anführungszeichen wird nicht geschlossen%1. Bitte das fehlende Anführungszeichen in der Datei ergänzen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Textdatei ist zu groß%1: erlaubt sind höchstens 256 MiB, 1.048.576 Zeilen, 16.384 Felder je Zeile und 32.767 Zeichen je Feld.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist verschlüsselt oder auf eine Weise gepackt, die nicht gelesen werden kann. Bitte die Datei in Excel oder LibreOffice ohne Kennwort neu speichern und erneut importieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei überschreitet die Grenzen, die beim Import gelten (Größe, Zeilen, Spalten oder Textlänge einer Zelle), und wird nicht gelesen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält keine Tabelle, die gelesen werden kann, vielleicht ist sie ein anderes Dokument.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe ist als Excel-Binärarbeitsmappe (.xlsb) gespeichert. Bitte in Excel als „Excel-Arbeitsmappe (*.xlsx)“ speichern und erneut importieren.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei kann nicht importiert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelArt</name>
    <message>
        <source>einen QR-Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>einen Data-Matrix-Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>höchstens 2953 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>höchstens 1556 Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>höchstens 60 Codezeichen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genau 12 oder 13 Ziffern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist kein EAN-13: %2 Zeichen, erlaubt sind genau 12 oder 13 Ziffern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Prüfziffer von %1 stimmt nicht: %2 statt %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist mit %2 Bytes zu lang für %3 (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 enthält Zeichen, die %2 nicht darstellen kann.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lässt sich nicht als %2 darstellen (zint: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ohne Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild „%1“ ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild „%1“ lässt sich nicht lesen: das SVG ist fehlerhaft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Bild „%1“ lässt sich nicht lesen: es ist kein PNG, JPEG oder SVG, das sich öffnen lässt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ist zu lang für die gewählte Größe: ein Modul wäre %2 mm breit, lesbar sind ab %3 mm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelJob</name>
    <message>
        <source>Zeile %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>und %1 weitere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Breite und Höhe der Etiketten müssen größer als 0 mm sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Eckenradius muss zwischen 0 mm und der halben Etikettenbreite bzw. -höhe liegen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Bogen braucht mindestens eine Spalte und eine Reihe (höchstens 1000).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ränder dürfen nicht negativ sein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Abstand von Etikett zu Etikett ist kleiner als das Etikett: die Etiketten würden sich überlappen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Etiketten ragen über das Papier hinaus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Ränder, die der Drucker nicht bedrucken kann, lassen auf dem Etikett keinen Platz.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LabelTextEditor</name>
    <message>
        <source>Beschriftung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beispiel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«Spalte»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ Spalte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fügt den Wert einer Spalte in diese Zeile ein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(leer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Spalte „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(noch keine Liste)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowClass</name>
    <message>
        <source>Tagomat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigenschaft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suche:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erste Seite (Pos1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seitenzahl eingeben und mit der Eingabetaste springen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letzte Seite (Ende)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom (Strg+Mausrad)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;rucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;XLS Importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;CSV Importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X&amp;ML Importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über &amp;Qt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Über &amp;Tagomat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schriftart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labelspalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labelreihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labelbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labelhöhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schriftart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kopfzeile nicht drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte Anzahl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile 1 (die Spaltenüberschriften) ergibt kein Label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gleiche Etiketten zusammenfassen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen mit gleichem Label ergeben ein Label mit der Anzahl der letzten solchen Zeile; sonst ist jede Zeile ein eigenes Label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ganze Seite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/ %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alle unterstützten Dateien (*.xls *.xlsx *.xlsm *.ods *.fods *.xml *.csv *.txt *.tsv);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exceldatei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel Dateien (*.xls)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import fehlgeschlagen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht importiert werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsmappe öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsmappen (*.xlsx *.xlsm *.ods *.fods *.xml);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textdatei öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textdateien (*.csv *.txt *.tsv);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empfang</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>Passwort erforderlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Arbeitsmappe „%1“ ist mit einem Passwort geschützt. Bitte das Passwort eingeben:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintRange</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seiten %1 bis %2 von %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPagePreview</name>
    <message>
        <source>Etiketten drucken (Rolle, %1 mm je Seite): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels drucken (Letter-Bögen): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels drucken (A4-Bögen): %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Seiten drucken? Eine Menge in der Liste ist vielleicht zu groß.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels drucken: Auswahl, %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bei dieser Labelgröße passt kein Label auf die Seite. Bitte eine kleinere Labelhöhe wählen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReceptionDesk</name>
    <message>
        <source>gedruckt %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker: PDF-Datei %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker für den Empfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nochmals drucken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ wurde schon gedruckt (%2). Nochmals drucken?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangsliste exportieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name suchen, Eingabetaste druckt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachmeldung...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrigieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückgängig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangsliste exportieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker wählen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drucker: noch nicht gewählt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachmeldung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nachmeldung drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrigieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrektur drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>korrigiert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ wurde nicht gedruckt: das Etikett passt auf kein Blatt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ gedruckt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Angaben ergeben kein Etikett.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ein Etikett braucht mindestens eine Zeile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markierung von „%1“ zurückgenommen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Empfangsliste darf die Namensliste nicht ersetzen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangsliste gespeichert: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Empfangsliste konnte nicht gespeichert werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Empfang konnte nicht gespeichert werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetChooser</name>
    <message>
        <source>Etikettenbogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suchen: L7160, Namensschild, 63,5 x 38,1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikett </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginnen bei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahmen drucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↓ </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gedreht (quer gelesen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Etikett wird mit der schmalen Seite voran eingezogen und gedreht bedruckt, so dass es quer gelesen wird.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testseite drucken...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlagen importieren...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigener Bogen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogen bearbeiten...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogen löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigener Bogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eigene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einfaches Raster (ganze Millimeter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm, Rolle (1 je Seite)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm, %2 × %3 (%4 je Bogen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gelesen werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei „%1“ ist zu groß für eine Vorlagendatei.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Etikettenbögen übernommen, %2 übersprungen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gLabels-Vorlagen importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gLabels-Vorlagen (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorlagen importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testseite drucken (Normalpapier)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Endlosband %1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm, Rolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrektur (kein Drucker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrektur für «%1»</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetEditorDialog</name>
    <message>
        <source>Etikettenbogen bearbeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name / Produktnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikettenbreite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etikettenhöhe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eckenradius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reihen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rand links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rand oben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand waagrecht (Etikett + Lücke)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abstand senkrecht (Etikett + Lücke)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht bedruckbar je Seite quer zur Rolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht bedruckbar je Ende längs der Rolle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolle mit Einzeletiketten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolle mit Endlosband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gedreht (quer gelesen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausrichtung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>„%1“ ist keine Millimeterangabe (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte einen Namen oder eine Produktnummer angeben.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 Zeile gleicht einem Label weiter oben und wurde mit ihm zusammengefasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zeilen gleichen einem Label weiter oben und wurden mit ihm zusammengefasst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es zählt die Anzahl der letzten gleichen Zeile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Suche nach „%1“ findet keinen Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Treffer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treffer %1 von %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Namensliste importiert: Datei › Öffnen... öffnet eine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kein Name beginnt mit „%1“.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei enthält keine Namen unter der Kopfzeile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Kopfzeile wird als Label gedruckt („Kopfzeile nicht drucken“ lässt sie weg).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Zeile mit einer Anzahl, die keine ganze Zahl ist, wurde als 1 gezählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zeilen mit einer Anzahl, die keine ganze Zahl ist, wurden als 1 gezählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 Name mit einer Anzahl unter 1 erhält kein Label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Namen mit einer Anzahl unter 1 erhalten kein Label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menge über %1: %2 bei «%3»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>und bei 1 weiteren Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>und bei %1 weiteren Namen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gedruckt wird die %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gedruckt werden die %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dazu %1 weitere Abweichungen von der Gestaltung.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 von %2 gedruckt.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Testseite auf einen Etikettenbogen legen und gegen das Licht halten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abweichung der Kreuze von den Etikettenmitten an den Skalen ablesen und als Druckerkorrektur (→ ↓) eintragen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextImportDialog</name>
    <message>
        <source>UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows-1252 (Westeuropäisch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16 LE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-16 BE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISO-8859-15 (Latin-9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOS (Codepage 850)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac OS Roman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semikolon ( ; )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komma ( , )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senkrechter Strich ( | )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichen „%1“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codepage %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Textimport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeichenkodierung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trennzeichen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So werden die ersten Zeilen gelesen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erkannt: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
