<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <location filename="../../src/editing/ui/edit_text.cpp" line="171"/>
        <source>Internal Editor</source>
        <translation>Internal Editor</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="172"/>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="173"/>
        <source>Cut the selection to the clipboard</source>
        <translation>Cut the selection to the clipboard</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="174"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="175"/>
        <source>Copy the selection to the clipboard</source>
        <translation>Copy the selection to the clipboard</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="176"/>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="177"/>
        <source>Paste the clipboard&apos;s content</source>
        <translation>Paste the clipboard&apos;s content</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="178"/>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="179"/>
        <source>Delete the selection</source>
        <translation>Delete the selection</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="180"/>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="181"/>
        <source>Undo the last change</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="182"/>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="183"/>
        <source>Select the whole text</source>
        <translation>Select the whole text</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="184"/>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <location filename="../../src/editing/ui/edit_text.cpp" line="185"/>
        <source>Write the text into every copy of the block in the page</source>
        <translation>Write the text into every copy of the block in the page</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="115"/>
        <source>&lt; Back</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="153"/>
        <source>Output folder: </source>
        <translation>Output folder: </translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="158"/>
        <source>This wizard separates all text blocks of the HTML document and saves them in a separate text file. It also creates a template for joining the extracted texts into a complete HTML file again later.</source>
        <translation>This wizard separates all text blocks of the HTML document and saves them in a separate text file. It also creates a template for joining the extracted texts into a complete HTML file again later.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="167"/>
        <source>WARNING:
Do not change the control marks &lt;0..x&gt; inserted into the text file. Otherwise the two files cannot be combined again later!</source>
        <translation>WARNING:
Do not change the control marks &lt;0..x&gt; inserted into the text file. Otherwise the two files cannot be combined again later!</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="178"/>
        <source>Template files (*.vexp *.VEXP)</source>
        <translation>Template files (*.vexp *.VEXP)</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="184"/>
        <source>Text files (*.txt *.TXT)</source>
        <translation>Text files (*.txt *.TXT)</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="193"/>
        <source>Template:</source>
        <translation>Template:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="196"/>
        <source>Text file:</source>
        <translation>Text file:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="201"/>
        <source>This wizard joins the extracted texts and the template created with them into an HTML document again. Make sure that the template has not been changed and that the control marks inserted into the text file are still there.</source>
        <translation>This wizard joins the extracted texts and the template created with them into an HTML document again. Make sure that the template has not been changed and that the control marks inserted into the text file are still there.</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="214"/>
        <source>Output file:</source>
        <translation>Output file:</translation>
    </message>
    <message>
        <location filename="../../src/exchange/ui/import_export_wizard.cpp" line="218"/>
        <source>Enter the path and the name of the HTML document to be created.</source>
        <translation>Enter the path and the name of the HTML document to be created.</translation>
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
        <translation>HTML files (*.htm *.html)</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmOptions</name>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="36"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="40"/>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="65"/>
        <source>Filter duplicate entries</source>
        <translation>Filter duplicate entries</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="66"/>
        <source>Text blocks may be emptied</source>
        <translation>Text blocks may be emptied</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="67"/>
        <source>Use the word processor as the default editor</source>
        <translation>Use the word processor as the default editor</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="68"/>
        <source>Save automatically on every change</source>
        <translation>Save automatically on every change</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="84"/>
        <source>Plain &amp;text</source>
        <translation>Plain &amp;text</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="85"/>
        <source>&amp;Image captions</source>
        <translation>&amp;Image captions</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="86"/>
        <source>&amp;Header information</source>
        <translation>&amp;Header information</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="87"/>
        <source>Value fields</source>
        <translation>Value fields</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="88"/>
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message>
        <location filename="../../src/settings/ui/options_dialog.cpp" line="90"/>
        <source>HTML commands</source>
        <translation>HTML commands</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::TfrmTranslator</name>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="35"/>
        <source>HTML file (*.html *.htm)</source>
        <translation>HTML file (*.html *.htm)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="39"/>
        <source>HTML file (*.html *.htm);;All files (*)</source>
        <translation>HTML file (*.html *.htm);;All files (*)</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="277"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="278"/>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="279"/>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="280"/>
        <source>Save &amp;as...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="281"/>
        <source>&amp;Export...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="282"/>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="283"/>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="284"/>
        <source>Se&amp;ttings</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="285"/>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="286"/>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="287"/>
        <source>&amp;German</source>
        <translation>&amp;German</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="288"/>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="289"/>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="290"/>
        <source>&amp;Tags</source>
        <translation>&amp;Tags</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="291"/>
        <source>Internal &amp;Editor</source>
        <translation>Internal &amp;Editor</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="292"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="293"/>
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="294"/>
        <source>Undo the last edit</source>
        <translation>Undo the last edit</translation>
    </message>
    <message>
        <location filename="../../src/shell/main_window.cpp" line="295"/>
        <source>Tool bar</source>
        <translation>Tool bar</translation>
    </message>
</context>
<context>
    <name>tolvane::ui::WordSession</name>
    <message>
        <location filename="../../src/word/ui/word_session.cpp" line="49"/>
        <source>The page has been reloaded since the text was sent to the word processor, and no row holds it any more. The text that came back was not written:

%1</source>
        <translation>The page has been reloaded since the text was sent to the word processor, and no row holds it any more. The text that came back was not written:

%1</translation>
    </message>
</context>
</TS>
