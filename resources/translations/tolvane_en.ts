<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation>About</translation>
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
        <translation>Settings file:
%1</translation>
    </message>
    <message>
        <location filename="../../src/shell/about_box.cpp" line="62"/>
        <source>A tool for translating HTML pages in place.
Free software; no warranty.</source>
        <translation>A tool for translating HTML pages in place.
Free software; no warranty.</translation>
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
        <translation>Internal Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="166"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="167"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Cut the selection to the clipboard</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="168"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="169"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="170"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="171"/>
        <source>Paste the clipboard&apos;s content</source>
        <translation>Paste the clipboard&apos;s content</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="172"/>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="173"/>
        <source>Delete the selection</source>
        <translation>Delete the selection</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="174"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="175"/>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="176"/>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="177"/>
        <source>Select the whole text</source>
        <translation>Select the whole text</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="178"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="179"/>
        <source>Write the text into every copy of the block in the page</source>
        <translation>Write the text into every copy of the block in the page</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmTranslator</name>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="34"/>
        <source>HTML file (*.html *.htm)</source>
        <translation>HTML file (*.html *.htm)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="38"/>
        <source>HTML file (*.html *.htm);;All files (*)</source>
        <translation>HTML file (*.html *.htm);;All files (*)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="251"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="252"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="253"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="254"/>
        <source>Save &amp;as...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="255"/>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="256"/>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="257"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="258"/>
        <source>Se&amp;ttings</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="259"/>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="260"/>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="261"/>
        <source>&amp;German</source>
        <translation>&amp;German</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="262"/>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="263"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="264"/>
        <source>&amp;Tags</source>
        <translation>&amp;Tags</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="265"/>
        <source>Internal &amp;Editor</source>
        <translation>Internal &amp;Editor</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="266"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="267"/>
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="268"/>
        <source>Undo the last edit</source>
        <translation>Undo the last edit</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="269"/>
        <source>Tool bar</source>
        <translation>Tool bar</translation>
    </message>
</context>
</TS>
