<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tolvane::ui::BlockListModel</name>
    <message>
        <location filename="../../src/editing/ui/block_list_model.cpp" line="29"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmAboutBox</name>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="59"/>
        <source>About</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="60"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="61"/>
        <source>Settings file:
%1</source>
        <translation>Einstellungsdatei:
%1</translation>
    </message>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="62"/>
        <source>A tool for translating HTML pages in place.
Free software; no warranty.</source>
        <translation>Ein Werkzeug, das HTML-Seiten an Ort und Stelle übersetzt.
Freie Software; ohne Gewähr.</translation>
    </message>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="63"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmEditText</name>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="171"/>
        <source>Internal Editor</source>
        <translation>Integrierter Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="172"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="173"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Verschiebt die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="174"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="175"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="176"/>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="177"/>
        <source>Paste the clipboard&apos;s content</source>
        <translation>Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="178"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="179"/>
        <source>Delete the selection</source>
        <translation>Löscht die Auswahl</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="180"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="181"/>
        <source>Undo the last change</source>
        <translation>Widerruft den letzten Arbeitsschritt</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="182"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="183"/>
        <source>Select the whole text</source>
        <translation>Markiert den ganzen Text im Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="184"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="185"/>
        <source>Write the text into every copy of the block in the page</source>
        <translation>Schreibt den Text in jede Kopie des Blocks in der Seite</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmImportExport</name>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="85"/>
        <source>Import/Export</source>
        <translation>Import/Export</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="113"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="115"/>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="153"/>
        <source>Output folder: </source>
        <translation>AusgabeOrdner: </translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="158"/>
        <source>This wizard separates all text blocks of the HTML document and saves them in a separate text file. It also creates a template for joining the extracted texts into a complete HTML file again later.</source>
        <translation>Dieser Assistent trennt alle Textblöcke des HTML-Dokuments und speichert diese in einer seperaten Textdatei. Außerdem generiert er eine Vorlage, um die extrahierten Textstücke später wieder zu einer kompletten HTML-Datei zusammenfügen zu können.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="167"/>
        <source>WARNING:
Do not change the control marks &lt;0..x&gt; inserted into the text file. Otherwise the two files cannot be combined again later!</source>
        <translation>WARNUNG:
Verändern Sie die in der Textdatei einfügten Steuerzeichen &lt;0..x&gt; nicht. Sonst können die beiden Datei später nicht wieder kombiniert werden!</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="178"/>
        <source>Template files (*.vexp *.VEXP)</source>
        <translation>Vorlage files (*.vexp *.VEXP)</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="184"/>
        <source>Text files (*.txt *.TXT)</source>
        <translation>Text files (*.txt *.TXT)</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="193"/>
        <source>Template:</source>
        <translation>Vorlage:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="196"/>
        <source>Text file:</source>
        <translation>Textdatei:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="201"/>
        <source>This wizard joins the extracted texts and the template created with them into an HTML document again. Make sure that the template has not been changed and that the control marks inserted into the text file are still there.</source>
        <translation>Dieser Assistent setzt die extrahierten Texte und die erstellte Vorlagendatei wieder zu einem HTML-Dokument zusammen. Stellen Sie sicher, daß die Vorlage nicht verändert wurde und die in die Textdatei eingefügten Steuerzeichen noch vorhanden sind.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="214"/>
        <source>Output file:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="218"/>
        <source>Enter the path and the name of the HTML document to be created.</source>
        <translation>Geben Sie den Pfad und den Namen des zu erstellenden HTML-Dokuments ein.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="244"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="253"/>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="299"/>
        <source>HTML files (*.htm *.html)</source>
        <translation>*.htm; *.html (*.htm *.html)</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmOptions</name>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="36"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="40"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="41"/>
        <source>HTML</source>
        <translation>HTML</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="44"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="50"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="65"/>
        <source>Filter duplicate entries</source>
        <translation>Doppelte Einträge filtern</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="66"/>
        <source>Text blocks may be emptied</source>
        <translation>Textblöcke löschbar</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="67"/>
        <source>Use the word processor as the default editor</source>
        <translation>MS Word als Standard-Editor verwenden</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="68"/>
        <source>Save automatically on every change</source>
        <translation>Autom. speichern bei jeder Änderung</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="84"/>
        <source>Plain &amp;text</source>
        <translation>Normaler &amp;Text</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="85"/>
        <source>&amp;Image captions</source>
        <translation>&amp;Bildbeschriftungen</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="86"/>
        <source>&amp;Header information</source>
        <translation>&amp;Dateikopfangaben</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="87"/>
        <source>Value fields</source>
        <translation>Value-Felder</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="88"/>
        <source>Scripts</source>
        <translation>Skript-Anzeige</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="90"/>
        <source>HTML commands</source>
        <translation>HTML-Befehle</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmTranslator</name>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="35"/>
        <source>HTML file (*.html *.htm)</source>
        <translation>HTML Datei (*.html *.htm)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="39"/>
        <source>HTML file (*.html *.htm);;All files (*)</source>
        <translation>HTML Datei (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="277"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="278"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="279"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="280"/>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="281"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="282"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="283"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="284"/>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="285"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="286"/>
        <source>&amp;English</source>
        <translation>&amp;Englisch</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="287"/>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="288"/>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="289"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="290"/>
        <source>&amp;Tags</source>
        <translation>&amp;Tagsliste</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="291"/>
        <source>Internal &amp;Editor</source>
        <translation>&amp;Integrierter Editor</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="292"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="293"/>
        <source>&amp;About...</source>
        <translation>Über das &amp;Programm...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="294"/>
        <source>Undo the last edit</source>
        <translation>Letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="295"/>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::WordSession</name>
    <message>
        <location filename="../../src/word/ui/word_session.cpp" line="49"/>
        <source>The page has been reloaded since the text was sent to the word processor, and no row holds it any more. The text that came back was not written:

%1</source>
        <translation>Die Seite wurde neu geladen, seit der Text an die Textverarbeitung ging, und keine Zeile enthält ihn mehr. Der zurückgekommene Text wurde nicht geschrieben:

%1</translation>
    </message>
</context>
</TS>
