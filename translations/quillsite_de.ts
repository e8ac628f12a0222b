<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesktopServices</name>
    <message>
        <source>Choose a Colour</source>
        <translation>Farbe auswählen</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Colour:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
</context>
<context>
    <name>FormatButtons</name>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Left Justified</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center Justified</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right Justified</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Nummerierte Liste</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Aufzählung</translation>
    </message>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>ImageDialog</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Picture file or address:</source>
        <translation>&amp;Bilddatei oder Adresse:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Text shown when the picture can&apos;t be seen:</source>
        <translation>&amp;Text, der erscheint, wenn das Bild nicht zu sehen ist:</translation>
    </message>
</context>
<context>
    <name>LinkDialog</name>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>&amp;Address the selected text links to:</source>
        <translation>&amp;Adresse, auf die der markierte Text verweist:</translation>
    </message>
    <message>
        <source>https://www.example.com/ or page.htm</source>
        <translation>https://www.example.com/ oder seite.htm</translation>
    </message>
    <message>
        <source>Leave the address empty to remove the link.</source>
        <translation>Lassen Sie die Adresse leer, um den Link zu entfernen.</translation>
    </message>
</context>
<context>
    <name>NewPageCounter</name>
    <message>
        <source>New Page </source>
        <translation>Neue Seite </translation>
    </message>
</context>
<context>
    <name>PageNameCheck</name>
    <message>
        <source>This page already exists, please choose a different page name.</source>
        <translation>Diese Seite gibt es bereits, bitte wählen Sie einen anderen Seitennamen.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; would be saved as &quot;%2&quot;, the file of the page &quot;%3&quot;. Please choose a different page name.</source>
        <translation>Die Seite „%1“ würde als „%2“ gespeichert, die Datei der Seite „%3“. Bitte wählen Sie einen anderen Seitennamen.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>The Quillsite wizard: builds a small website from a design template, one page at a time, without any HTML knowledge.</source>
        <translation>Der Quillsite-Assistent: erstellt eine kleine Website aus einer Designvorlage, Seite für Seite, ganz ohne HTML-Kenntnisse.</translation>
    </message>
    <message>
        <source>quillsite: no display to show the wizard on (neither DISPLAY nor WAYLAND_DISPLAY is set).
Run it inside a desktop session, or on a virtual display with:
    xvfb-run -a build/bin/quillsite
</source>
        <translation>quillsite: Kein Bildschirm, auf dem der Assistent erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).
Starten Sie ihn in einer Desktop-Sitzung oder auf einem virtuellen Bildschirm mit:
    xvfb-run -a build/bin/quillsite
</translation>
    </message>
</context>
<context>
    <name>WizardFlow</name>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message>
        <source>Select Template</source>
        <translation>Vorlage auswählen</translation>
    </message>
    <message>
        <source>Please select the prefered look of your website.</source>
        <translation>Bitte wählen Sie das gewünschte Aussehen Ihrer Website.</translation>
    </message>
    <message>
        <source>Please select the prefered look for your website.</source>
        <translation>Bitte wählen Sie das gewünschte Aussehen für Ihre Website.</translation>
    </message>
    <message>
        <source>Provide Information</source>
        <translation>Angaben machen</translation>
    </message>
    <message>
        <source>Please provide the following information required to build your site.</source>
        <translation>Bitte machen Sie die folgenden Angaben, die zum Erstellen Ihrer Website nötig sind.</translation>
    </message>
    <message>
        <source>Build Pages</source>
        <translation>Seiten erstellen</translation>
    </message>
    <message>
        <source>Create as many webpages as you want, along with their content.</source>
        <translation>Erstellen Sie so viele Webseiten mit Inhalt, wie Sie möchten.</translation>
    </message>
    <message>
        <source>Create as many webpages as you want along with their content.</source>
        <translation>Erstellen Sie so viele Webseiten samt Inhalt, wie Sie möchten.</translation>
    </message>
    <message>
        <source>Select Destination</source>
        <translation>Ziel auswählen</translation>
    </message>
    <message>
        <source>Choose the destination folder where you want to save your website.</source>
        <translation>Wählen Sie den Zielordner, in dem Ihre Website gespeichert werden soll.</translation>
    </message>
    <message>
        <source>You must provide the required information in order to continue.</source>
        <translation>Sie müssen die erforderlichen Angaben machen, um fortzufahren.</translation>
    </message>
    <message>
        <source>You must provide the destination folder.</source>
        <translation>Sie müssen den Zielordner angeben.</translation>
    </message>
    <message>
        <source>The destination path you specified is invalid, please provide full path.</source>
        <translation>Der angegebene Zielpfad ist ungültig, bitte geben Sie einen vollständigen Pfad an.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Quillsite</source>
        <translation>Über Quillsite</translation>
    </message>
    <message>
        <source>Created and programmed by:</source>
        <translation>Entworfen und programmiert von:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <source>Add Page</source>
        <translation>Seite hinzufügen</translation>
    </message>
    <message>
        <source>Create a Blank Page</source>
        <translation>Eine leere Seite erstellen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Pre-defined Pages</source>
        <translation>Vorgefertigte Seiten</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Blank Page</source>
        <translation>Leere Seite</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Page</source>
        <translation>Seite öffnen</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Pre-defined Page</source>
        <translation>Vorgefertigte Seite</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Quillsite - Website Creation Wizard</source>
        <translation>Quillsite - Assistent zum Erstellen von Websites</translation>
    </message>
    <message>
        <source>Welcome to Quillsite</source>
        <translation>Willkommen bei Quillsite</translation>
    </message>
    <message>
        <source>Thank you for downloading Quillsite, a powerful and easy-to-use website creation wizard.</source>
        <translation>Vielen Dank, dass Sie Quillsite heruntergeladen haben, einen leistungsfähigen und einfach zu bedienenden Assistenten zum Erstellen von Websites.</translation>
    </message>
    <message>
        <source>Quillsite will enable you to build professional-looking websites within minutes. It will take about only 10 minutes to create your ready-to-publish personal website, which you can show to everyone after then.</source>
        <translation>Mit Quillsite erstellen Sie in wenigen Minuten professionell aussehende Websites. In nur etwa 10 Minuten ist Ihre persönliche Website fertig zum Veröffentlichen, und Sie können sie danach allen zeigen.</translation>
    </message>
    <message>
        <source>Click Next to continue.</source>
        <translation>Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message>
        <source>Author: </source>
        <translation>Autor: </translation>
    </message>
    <message>
        <source>Author&apos;s Name</source>
        <translation>Name des Autors</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Author&apos;s Website</source>
        <translation>Website des Autors</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Short description of Template</source>
        <translation>Kurzbeschreibung der Vorlage</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>My Website</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>Name that will appear in the titlebar of your website.</source>
        <translation>Der Name, der in der Titelleiste Ihrer Website erscheint.</translation>
    </message>
    <message>
        <source>e.g My Family, Smith Photography, Chess Club Website</source>
        <translation>z. B. Meine Familie, Fotostudio Mustermann, Schachverein</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>This name will appear at the bottom of webpages</source>
        <translation>Dieser Name erscheint unten auf den Webseiten</translation>
    </message>
    <message>
        <source>e.g John Smith, The Smith Family</source>
        <translation>z. B. Max Mustermann, Familie Mustermann</translation>
    </message>
    <message>
        <source>Quillsite will create your website in the following folder. To create in a different folder, click Browse and select another folder. Click Next when done.</source>
        <translation>Quillsite erstellt Ihre Website im folgenden Ordner. Um sie in einem anderen Ordner zu erstellen, klicken Sie auf Durchsuchen und wählen Sie einen anderen Ordner. Klicken Sie danach auf Weiter.</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
    <message>
        <source>Quillsite has successfully created your website. If you created it the way you want, you can publish it on the web without any further changes. Have a good day!</source>
        <translation>Quillsite hat Ihre Website erfolgreich erstellt. Wenn sie so geworden ist, wie Sie es wollten, können Sie sie ohne weitere Änderungen im Web veröffentlichen. Einen schönen Tag noch!</translation>
    </message>
    <message>
        <source>Click Finish to exit.</source>
        <translation>Klicken Sie auf Fertig stellen, um den Assistenten zu beenden.</translation>
    </message>
    <message>
        <source>&amp;View my website</source>
        <translation>Meine Website &amp;ansehen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Some info for the page.</source>
        <translation>Einige Angaben zu dieser Seite.</translation>
    </message>
    <message>
        <source>Quillsite - Truly Wizard</source>
        <translation>Quillsite - wahrhaft ein Assistent</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillsite::FrmAdd</name>
    <message>
        <source>Open a Existing Page</source>
        <translation>Eine vorhandene Seite öffnen</translation>
    </message>
    <message>
        <source>Create a Blank Page</source>
        <translation>Eine leere Seite erstellen</translation>
    </message>
    <message>
        <source>Create from a Pre-defined Page</source>
        <translation>Aus einer vorgefertigten Seite erstellen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>HTML Files(*.htm,*.html) (*.htm *.html)</source>
        <translation>HTML-Dateien (*.htm,*.html) (*.htm *.html)</translation>
    </message>
    <message>
        <source>Please enter the name of the page, in order to continue.</source>
        <translation>Bitte geben Sie den Namen der Seite ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>You must enter both, the path and the name of the file.</source>
        <translation>Sie müssen beides angeben, den Pfad und den Namen der Datei.</translation>
    </message>
    <message>
        <source>The file you specified does not exist, please choose another file.</source>
        <translation>Die angegebene Datei existiert nicht, bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>No pre-defined pages are installed: the folder &quot;%1&quot; holds no .htm or .html file. Please create a blank page or open an existing one instead.</source>
        <translation>Es sind keine vorgefertigten Seiten installiert: Der Ordner „%1“ enthält keine .htm- oder .html-Datei. Bitte erstellen Sie stattdessen eine leere Seite oder öffnen Sie eine vorhandene.</translation>
    </message>
    <message>
        <source>Please choose a page from the list of pre-defined pages.</source>
        <translation>Bitte wählen Sie eine Seite aus der Liste der vorgefertigten Seiten.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; can&apos;t be opened as a page (%2). Please choose another file.</source>
        <translation>Die Datei „%1“ kann nicht als Seite geöffnet werden (%2). Bitte wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>quillsite::HtmlEditor</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>quillsite::ImageDialog</name>
    <message>
        <source>Choose a Picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.svg *.webp);;All files (*)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.bmp *.svg *.webp);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quillsite::PageSet</name>
    <message>
        <source>Add Page</source>
        <translation>Seite hinzufügen</translation>
    </message>
    <message>
        <source>Delete Page</source>
        <translation>Seite löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Möchten Sie „%1“ wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>quillsite::frmMain</name>
    <message>
        <source>Quillsite will enable you to create professional-looking websites within minutes. It will take about only 10 minutes to create your ready-to-publish personal website, which you can show to everyone after then.</source>
        <translation>Mit Quillsite erstellen Sie in wenigen Minuten professionell aussehende Websites. In nur etwa 10 Minuten ist Ihre persönliche Website fertig zum Veröffentlichen, und Sie können sie danach allen zeigen.</translation>
    </message>
    <message>
        <source>My Website</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>The editor of the page &quot;%1&quot; did not answer, so the website was not built. Your pages are kept; press Next to try again.</source>
        <translation>Der Editor der Seite „%1“ hat nicht geantwortet, daher wurde die Website nicht erstellt. Ihre Seiten bleiben erhalten; klicken Sie auf Weiter, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Building your website...</source>
        <translation>Ihre Website wird erstellt...</translation>
    </message>
    <message>
        <source>Select where you want to save.</source>
        <translation>Wählen Sie, wo gespeichert werden soll.</translation>
    </message>
    <message>
        <source>No website template is installed, so Quillsite can&apos;t build a website. Put at least one template folder into &quot;%1&quot; and start Quillsite again.</source>
        <translation>Es ist keine Website-Vorlage installiert, daher kann Quillsite keine Website erstellen. Legen Sie mindestens einen Vorlagenordner in „%1“ ab und starten Sie Quillsite erneut.</translation>
    </message>
</context>
</TS>
