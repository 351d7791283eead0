<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tolvane::ui::BlockListModel</name>
    <message>
        <location filename="../../src/editing/ui/block_list_model.cpp" line="26"/>
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
        <location filename="../../src/editing/ui/edit_text.cpp" line="165"/>
        <source>Internal Editor</source>
        <translation>Integrierter Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="166"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="167"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Verschiebt die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="168"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="169"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="170"/>
        <source>&amp;Paste</source>
        <translation>Ein&amp;fügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="171"/>
        <source>Paste the clipboard&apos;s content</source>
        <translation>Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="172"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="173"/>
        <source>Delete the selection</source>
        <translation>Löscht die Auswahl</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="174"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="175"/>
        <source>Undo the last change</source>
        <translation>Widerruft den letzten Arbeitsschritt</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="176"/>
        <source>Select &amp;All</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="177"/>
        <source>Select the whole text</source>
        <translation>Markiert den ganzen Text im Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="178"/>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="179"/>
        <source>Write the text into every copy of the block in the page</source>
        <translation>Schreibt den Text in jede Kopie des Blocks in der Seite</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmTranslator</name>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="34"/>
        <source>HTML file (*.html *.htm)</source>
        <translation>HTML Datei (*.html *.htm)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="38"/>
        <source>HTML file (*.html *.htm);;All files (*)</source>
        <translation>HTML Datei (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="251"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="252"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="253"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="254"/>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="255"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="256"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="257"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="258"/>
        <source>Se&amp;ttings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="259"/>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="260"/>
        <source>&amp;English</source>
        <translation>&amp;Englisch</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="261"/>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="262"/>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="263"/>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="264"/>
        <source>&amp;Tags</source>
        <translation>&amp;Tagsliste</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="265"/>
        <source>Internal &amp;Editor</source>
        <translation>&amp;Integrierter Editor</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="266"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="267"/>
        <source>&amp;About...</source>
        <translation>Über das &amp;Programm...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="268"/>
        <source>Undo the last edit</source>
        <translation>Letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="269"/>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
</context>
</TS>
