<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddressText</name>
    <message>
        <source>The address %1 names no server.</source>
        <translation>Die Adresse %1 nennt keinen Server.</translation>
    </message>
    <message>
        <source>The address %1 names no user; write it as %2://user@host/folder.</source>
        <translation>Die Adresse %1 nennt keinen Benutzer; schreiben Sie sie als %2://benutzer@host/ordner.</translation>
    </message>
    <message>
        <source>No destination was given.</source>
        <translation>Es wurde kein Ziel angegeben.</translation>
    </message>
    <message>
        <source>The address %1 is not valid: %2</source>
        <translation>Die Adresse %1 ist ungültig: %2</translation>
    </message>
    <message>
        <source>Do not put a password in the address; give it in QUILLSITE_PASSWORD, the keyring or when asked.</source>
        <translation>Schreiben Sie kein Passwort in die Adresse; geben Sie es in QUILLSITE_PASSWORD, im Schlüsselbund oder auf Nachfrage an.</translation>
    </message>
    <message>
        <source>Quillsite cannot publish to %1 addresses; use sftp://, ftps://, ftp://, git+ssh://, git+https://, git+file:// or a folder.</source>
        <translation>Quillsite kann nicht an %1-Adressen veröffentlichen; verwenden Sie sftp://, ftps://, ftp://, git+ssh://, git+https://, git+file:// oder einen Ordner.</translation>
    </message>
</context>
<context>
    <name>Builder</name>
    <message>
        <source>Could not write the page file</source>
        <translation>Die Seitendatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Could not make the folder</source>
        <translation>Der Ordner konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not write in the folder</source>
        <translation>In den Ordner konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>A folder of that name is in the way. Move it or rename the page.</source>
        <translation>Ein Ordner dieses Namens ist im Weg. Verschieben Sie ihn oder benennen Sie die Seite um.</translation>
    </message>
    <message>
        <source>No destination folder was given. Choose where to save the site</source>
        <translation>Es wurde kein Zielordner angegeben. Wählen Sie, wo die Website gespeichert werden soll</translation>
    </message>
    <message>
        <source>It is a file, not a folder. Choose another destination</source>
        <translation>Das ist eine Datei, kein Ordner. Wählen Sie ein anderes Ziel</translation>
    </message>
    <message>
        <source>You are not allowed to write in this folder. Choose another destination</source>
        <translation>Sie dürfen in diesen Ordner nicht schreiben. Wählen Sie ein anderes Ziel</translation>
    </message>
    <message>
        <source>It is inside the template&apos;s files folder, which would copy the site into itself. Choose another destination</source>
        <translation>Er liegt im Ordner files der Vorlage, die Website würde also in sich selbst kopiert. Wählen Sie ein anderes Ziel</translation>
    </message>
    <message>
        <source>A page must have a name. Type a name for the page.</source>
        <translation>Eine Seite braucht einen Namen. Geben Sie einen Namen für die Seite ein.</translation>
    </message>
    <message>
        <source>The page name &quot;%1&quot; contains &quot;%2&quot;, which can&apos;t be part of a file name. Choose a name without it.</source>
        <translation>Der Seitenname „%1“ enthält „%2“, das nicht Teil eines Dateinamens sein kann. Wählen Sie einen Namen ohne dieses Zeichen.</translation>
    </message>
    <message>
        <source>The page name contains a control character (such as a tab or a line break), which can&apos;t be part of a file name. Choose a name without it.</source>
        <translation>Der Seitenname enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch), das nicht Teil eines Dateinamens sein kann. Wählen Sie einen Namen ohne dieses Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can&apos;t be used as a page name. Choose another name.</source>
        <translation>„%1“ kann nicht als Seitenname verwendet werden. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The page name &quot;%1&quot; is too long for a file name. Choose a shorter name.</source>
        <translation>Der Seitenname „%1“ ist für einen Dateinamen zu lang. Wählen Sie einen kürzeren Namen.</translation>
    </message>
    <message>
        <source>Could not read the template file</source>
        <translation>Die Vorlagendatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Could not copy the support file</source>
        <translation>Die Hilfsdatei konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>Could not copy the support files</source>
        <translation>Die Hilfsdateien konnten nicht kopiert werden</translation>
    </message>
    <message>
        <source>Left out the support file</source>
        <translation>Die Hilfsdatei wurde ausgelassen</translation>
    </message>
    <message>
        <source>You are not allowed to write in this folder</source>
        <translation>Sie dürfen in diesen Ordner nicht schreiben</translation>
    </message>
    <message>
        <source>The link leads nowhere</source>
        <translation>Die Verknüpfung führt ins Leere</translation>
    </message>
    <message>
        <source>You are not allowed to read this file</source>
        <translation>Sie dürfen diese Datei nicht lesen</translation>
    </message>
    <message>
        <source>It is not an ordinary file but a pipe, device or socket</source>
        <translation>Das ist keine gewöhnliche Datei, sondern eine Pipe, ein Gerät oder ein Socket</translation>
    </message>
    <message>
        <source>The folder can&apos;t be read</source>
        <translation>Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The name is not valid UTF-8, so the file can&apos;t be copied. Rename it</source>
        <translation>Der Name ist kein gültiges UTF-8, daher kann die Datei nicht kopiert werden. Benennen Sie sie um</translation>
    </message>
    <message>
        <source>A file stands where the folder is to be made</source>
        <translation>Wo der Ordner angelegt werden soll, liegt eine Datei</translation>
    </message>
    <message>
        <source>A folder stands where the file is to be copied</source>
        <translation>Wohin die Datei kopiert werden soll, liegt ein Ordner</translation>
    </message>
    <message>
        <source>It is a link to &quot;%1&quot;, outside the template</source>
        <translation>Das ist eine Verknüpfung auf „%1“, außerhalb der Vorlage</translation>
    </message>
    <message>
        <source>It is larger than %1 MB, too large for a page. Give a smaller file</source>
        <translation>Sie ist größer als %1 MB, zu groß für eine Seite. Geben Sie eine kleinere Datei an</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Das ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is not an ordinary file but a pipe, device or socket. Give an ordinary file</source>
        <translation>Das ist keine gewöhnliche Datei, sondern eine Pipe, ein Gerät oder ein Socket. Geben Sie eine gewöhnliche Datei an</translation>
    </message>
    <message>
        <source>Could not copy the picture or file</source>
        <translation>Das Bild oder die Datei konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>It is missing or can&apos;t be read</source>
        <translation>Sie fehlt oder kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>It is a symbolic link; copies are only written inside the website&apos;s folder</source>
        <translation>Das ist eine symbolische Verknüpfung; Kopien werden nur innerhalb des Ordners der Website geschrieben</translation>
    </message>
    <message>
        <source>A file of that name is in the way</source>
        <translation>Eine Datei dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>The pages &quot;%1&quot; and &quot;%2&quot; would both be written to this file. Rename one of them.</source>
        <translation>Die Seiten „%1“ und „%2“ würden beide in diese Datei geschrieben. Benennen Sie eine von ihnen um.</translation>
    </message>
    <message>
        <source>A file of that name is in the way. Move it or choose another destination</source>
        <translation>Eine Datei dieses Namens ist im Weg. Verschieben Sie sie oder wählen Sie ein anderes Ziel</translation>
    </message>
    <message>
        <source>The title contains a control character (such as a tab or a line break), which a web page can&apos;t show. Type the title without it.</source>
        <translation>Der Titel enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch), das eine Webseite nicht zeigen kann. Geben Sie den Titel ohne es ein.</translation>
    </message>
    <message>
        <source>The author contains a control character (such as a tab or a line break), which a web page can&apos;t show. Type the author without it.</source>
        <translation>Der Autor enthält ein Steuerzeichen (etwa einen Tabulator oder Zeilenumbruch), das eine Webseite nicht zeigen kann. Geben Sie den Autor ohne es ein.</translation>
    </message>
    <message>
        <source>It is a symbolic link to a file elsewhere, and a page of a site is read only from a file inside the site&apos;s folder. Put the page file itself into the folder</source>
        <translation>Sie ist ein symbolischer Link auf eine Datei an anderer Stelle, und eine Seite einer Website wird nur aus einer Datei im Ordner der Website gelesen. Legen Sie die Seitendatei selbst in den Ordner</translation>
    </message>
    <message>
        <source>It is a symbolic link; files are only written inside the website&apos;s folder. Remove the link and build again</source>
        <translation>Es ist eine symbolische Verknüpfung; Dateien werden nur im Ordner der Website geschrieben. Entfernen Sie die Verknüpfung und erstellen Sie die Website erneut</translation>
    </message>
    <message>
        <source>it is reached through a symbolic link that leads out of its folder; put the file itself there</source>
        <translation>sie wird über eine symbolische Verknüpfung erreicht, die aus ihrem Ordner hinausführt; legen Sie die Datei selbst dorthin</translation>
    </message>
    <message>
        <source>it is not a picture; show pictures only, such as JPEG, PNG or WebP files</source>
        <translation>sie ist kein Bild; zeigen Sie nur Bilder, etwa JPEG-, PNG- oder WebP-Dateien</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Das Bild konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its camera and place data could not be removed</source>
        <translation>seine Kamera- und Ortsdaten konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>Could not put the new file in place</source>
        <translation>Die neue Datei konnte nicht an ihren Platz gelegt werden</translation>
    </message>
    <message>
        <source>Could not remove the unused file</source>
        <translation>Die nicht mehr verwendete Datei konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Could not load the picture support</source>
        <translation>Die Bildunterstützung konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Builds a website from a Quillsite template, as the wizard does.

Without --page the site is a small demonstration with one &quot;Home&quot; page. Each
--page NAME=FILE adds a page named NAME (in the order given) whose content is
the body of the HTML file FILE, or the whole file when it is a fragment. The
page named &quot;Home&quot; becomes index.htm; every other page its lower-case name and
&quot;.htm&quot;.

Relative paths (--out, --template, page files) are taken from the current
folder; a leading ~/ stands for your home folder.

Exit status: 0 when the site was written, 1 when building failed, 2 when the
command itself is wrong.</source>
        <translation>Erstellt eine Website aus einer Quillsite-Vorlage, wie es der Assistent tut.

Ohne --page ist die Website eine kleine Vorführung mit einer Seite „Home“.
Jedes --page NAME=DATEI fügt eine Seite namens NAME hinzu (in der angegebenen
Reihenfolge), deren Inhalt der Body der HTML-Datei DATEI ist, oder die ganze
Datei, wenn sie ein Fragment ist. Die Seite „Home“ wird zu index.htm, jede
andere Seite zu ihrem kleingeschriebenen Namen mit „.htm“.

Relative Pfade (--out, --template, Seitendateien) gelten ab dem aktuellen
Ordner; ein führendes ~/ steht für Ihren Home-Ordner.

Rückgabewert: 0, wenn die Website geschrieben wurde, 1, wenn das Erstellen
fehlschlug, 2, wenn der Befehl selbst falsch ist.</translation>
    </message>
    <message>
        <source>List the installed templates.</source>
        <translation>Die installierten Vorlagen auflisten.</translation>
    </message>
    <message>
        <source>Write the site into the folder DIR (required).</source>
        <translation>Die Website in den Ordner ORDNER schreiben (erforderlich).</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>The template: an installed one&apos;s name or folder name, or the path of a template folder. Default: the first installed template.</source>
        <translation>Die Vorlage: Name oder Ordnername einer installierten Vorlage oder der Pfad eines Vorlagenordners. Vorgabe: die erste installierte Vorlage.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The site&apos;s title. Default: &quot;My Website&quot;.</source>
        <translation>Der Titel der Website. Vorgabe: „Meine Website“.</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>The site&apos;s author. Default: your login name.</source>
        <translation>Der Autor der Website. Vorgabe: Ihr Anmeldename.</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Add the page NAME made from the HTML file FILE.</source>
        <translation>Die Seite NAME aus der HTML-Datei DATEI hinzufügen.</translation>
    </message>
    <message>
        <source>NAME=FILE</source>
        <translation>NAME=DATEI</translation>
    </message>
    <message>
        <source>--page needs a page name and a file, as NAME=FILE: &quot;%1&quot;</source>
        <translation>--page braucht einen Seitennamen und eine Datei, als NAME=DATEI: „%1“</translation>
    </message>
    <message>
        <source>--page needs both a page name and a file, as NAME=FILE: &quot;%1&quot;</source>
        <translation>--page braucht beides, einen Seitennamen und eine Datei, als NAME=DATEI: „%1“</translation>
    </message>
    <message>
        <source>Could not read the page file</source>
        <translation>Die Seitendatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>No page is named &quot;Home&quot;, so the site has no index.htm: visitors start at its first page, &quot;%1&quot;, in &quot;%2&quot;. Name a page Home to give the site its usual start page.</source>
        <translation>Keine Seite heißt „Home“, daher hat die Website keine index.htm: Besucher beginnen bei ihrer ersten Seite, „%1“, in „%2“. Nennen Sie eine Seite Home, damit die Website ihre übliche Startseite bekommt.</translation>
    </message>
    <message>
        <source>Say where to write the site with --out DIR.</source>
        <translation>Geben Sie mit --out ORDNER an, wohin die Website geschrieben wird.</translation>
    </message>
    <message>
        <source>My Website</source>
        <translation>Meine Website</translation>
    </message>
    <message>
        <source>The title can&apos;t be empty; give one with --title.</source>
        <translation>Der Titel darf nicht leer sein; geben Sie einen mit --title an.</translation>
    </message>
    <message>
        <source>The author can&apos;t be empty; give one with --author.</source>
        <translation>Der Autor darf nicht leer sein; geben Sie einen mit --author an.</translation>
    </message>
    <message>
        <source>See --help for the options.</source>
        <translation>Die Optionen zeigt --help.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;. Options start with --; see --help.</source>
        <translation>Unerwartetes Argument „%1“. Optionen beginnen mit --; siehe --help.</translation>
    </message>
    <message>
        <source>Wrote %1 and %2 to %3</source>
        <translation>%1 und %2 nach %3 geschrieben</translation>
    </message>
    <message>
        <source>%1 page</source>
        <translation>%1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>%1 support file</source>
        <translation>%1 Hilfsdatei</translation>
    </message>
    <message>
        <source>%1 support files</source>
        <translation>%1 Hilfsdateien</translation>
    </message>
    <message>
        <source>No templates are installed in %1</source>
        <translation>In %1 sind keine Vorlagen installiert</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Fehler: </translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>The page file &quot;%1&quot; has text after &lt;/body&gt; or &lt;/html&gt;; it is left out of the page.</source>
        <translation>Die Seitendatei „%1“ enthält Text nach &lt;/body&gt; oder &lt;/html&gt;; er wird in der Seite ausgelassen.</translation>
    </message>
    <message>
        <source>The page file &quot;%1&quot; is a frameset document, which has no body, so its page is empty.</source>
        <translation>Die Seitendatei „%1“ ist ein Frameset-Dokument ohne Body, daher ist ihre Seite leer.</translation>
    </message>
    <message>
        <source>The template folder does not exist: %1</source>
        <translation>Der Vorlagenordner existiert nicht: %1</translation>
    </message>
    <message>
        <source>This folder is not a template, it has no data.ini: %1</source>
        <translation>Dieser Ordner ist keine Vorlage, er hat keine data.ini: %1</translation>
    </message>
    <message>
        <source>More than one template is called &quot;%1&quot;; give the path of the one you mean:</source>
        <translation>Mehr als eine Vorlage heißt „%1“; geben Sie den Pfad der gemeinten an:</translation>
    </message>
    <message>
        <source>There is no template called &quot;%1&quot;.</source>
        <translation>Es gibt keine Vorlage namens „%1“.</translation>
    </message>
    <message>
        <source>No templates are installed.</source>
        <translation>Es sind keine Vorlagen installiert.</translation>
    </message>
    <message>
        <source>Choose one of:</source>
        <translation>Wählen Sie eine davon:</translation>
    </message>
    <message>
        <source>No templates are installed. Give the path of a template folder with --template.</source>
        <translation>Es sind keine Vorlagen installiert. Geben Sie mit --template den Pfad eines Vorlagenordners an.</translation>
    </message>
    <message>
        <source>(no name) [%1]</source>
        <translation>(ohne Namen) [%1]</translation>
    </message>
    <message>
        <source>by %1</source>
        <translation>von %1</translation>
    </message>
    <message>
        <source>Pictures and local files the pages show or link to are copied into the
site&apos;s media folder; relative addresses in a page file are taken from that
file&apos;s folder. With --strict a missing picture is a failure too.</source>
        <translation>Bilder und lokale Dateien, die die Seiten zeigen oder verlinken, werden in den
Ordner media der Website kopiert; relative Adressen in einer Seitendatei gelten
ab deren Ordner. Mit --strict ist auch ein fehlendes Bild ein Fehler.</translation>
    </message>
    <message>
        <source>Treat every warning (no page named Home, part of a file left out, a missing picture) as a failure: write nothing when there is one.</source>
        <translation>Jede Warnung (keine Seite namens Home, ein Teil einer Datei ausgelassen, ein fehlendes Bild) als Fehler behandeln: nichts schreiben, wenn es eine gibt.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; shows or links to a file that is missing or can&apos;t be read: %2</source>
        <translation>Die Seite „%1“ zeigt oder verlinkt eine Datei, die fehlt oder nicht gelesen werden kann: %2</translation>
    </message>
    <message>
        <source>Wrote %1, %2 and %3 to %4</source>
        <translation>%1, %2 und %3 nach %4 geschrieben</translation>
    </message>
    <message>
        <source>%1 picture or file</source>
        <translation>%1 Bild oder Datei</translation>
    </message>
    <message>
        <source>%1 pictures and files</source>
        <translation>%1 Bilder und Dateien</translation>
    </message>
    <message>
        <source>; %1 missing (see above)</source>
        <translation>; %1 (siehe oben)</translation>
    </message>
    <message>
        <source>%1 file is</source>
        <translation>%1 Datei fehlt</translation>
    </message>
    <message>
        <source>%1 files are</source>
        <translation>%1 Dateien fehlen</translation>
    </message>
    <message>
        <source>--from DIR starts from the site in DIR, as a Quillsite build left it: its
template, title, author and pages. --template, --title, --author and --page
then change what was read; a --page with the name of a page read replaces its
content. --list-pages DIR shows what would be read, without building. Both
exit with status 2 when DIR is not a site that can be read.</source>
        <translation>--from ORDNER geht von der Website in ORDNER aus, wie ein Quillsite-Build sie
hinterließ: ihre Vorlage, Titel, Autor und Seiten. --template, --title, --author
und --page ändern dann das Gelesene; ein --page mit dem Namen einer gelesenen
Seite ersetzt deren Inhalt. --list-pages ORDNER zeigt, was gelesen würde, ohne
zu erstellen. Beide enden mit Status 2, wenn ORDNER keine lesbare Website ist.</translation>
    </message>
    <message>
        <source>Start from the site built into the folder DIR.</source>
        <translation>Von der Website ausgehen, die in den Ordner DIR erstellt wurde.</translation>
    </message>
    <message>
        <source>Show the template, title, author and pages read from the site in the folder DIR, without building.</source>
        <translation>Vorlage, Titel, Autor und Seiten der Website im Ordner DIR anzeigen, ohne zu erstellen.</translation>
    </message>
    <message>
        <source>No installed template matches the site in &quot;%1&quot;; choose one with --template.</source>
        <translation>Keine installierte Vorlage passt zur Website in &quot;%1&quot;; wählen Sie eine mit --template.</translation>
    </message>
    <message>
        <source>No page of the site in &quot;%1&quot; could be read.</source>
        <translation>Keine Seite der Website in &quot;%1&quot; konnte gelesen werden.</translation>
    </message>
    <message>
        <source>Template: none of the installed templates matches</source>
        <translation>Vorlage: keine der installierten Vorlagen passt</translation>
    </message>
    <message>
        <source>Template: %1 [%2]</source>
        <translation>Vorlage: %1 [%2]</translation>
    </message>
    <message>
        <source>Template: %1</source>
        <translation>Vorlage: %1</translation>
    </message>
    <message>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Autor: %1</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Building into a folder that holds a Quillsite site removes the files that site
owned and the new one no longer uses: pages left out of its menu, pictures no
page shows any more, the support files of its old template. They are listed on
standard error; --keep-unused keeps them. Other files in DIR are never removed.</source>
        <translation>Das Erstellen in einen Ordner, der eine Quillsite-Website enthält, entfernt die
Dateien, die jener Website gehörten und die die neue nicht mehr verwendet: Seiten,
die nicht mehr im Menü stehen, Bilder, die keine Seite mehr zeigt, die
Hilfsdateien ihrer alten Vorlage. Sie werden in der Standardfehlerausgabe
aufgeführt; --keep-unused behält sie. Andere Dateien in DIR werden nie entfernt.</translation>
    </message>
    <message>
        <source>Keep the pages, pictures and template files of the site built in DIR before that the new one no longer uses.</source>
        <translation>Die Seiten, Bilder und Vorlagendateien der zuvor in DIR erstellten Website behalten, die die neue nicht mehr verwendet.</translation>
    </message>
    <message>
        <source>Removed %1 file the site no longer uses:</source>
        <translation>%1 Datei entfernt, die die Website nicht mehr verwendet:</translation>
    </message>
    <message>
        <source>Removed %1 files the site no longer uses:</source>
        <translation>%1 Dateien entfernt, die die Website nicht mehr verwendet:</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>Choose a Colour</source>
        <translation>Farbe auswählen</translation>
    </message>
</context>
<context>
    <name>Draft</name>
    <message>
        <source>the file is cut off or damaged</source>
        <translation>die Datei ist abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>it was written by a newer version of Quillsite</source>
        <translation>er wurde von einer neueren Version von Quillsite geschrieben</translation>
    </message>
</context>
<context>
    <name>DraftStore</name>
    <message>
        <source>A draft of a website could not be read: %1. It was kept in &quot;%2&quot;.</source>
        <translation>Ein Entwurf einer Website konnte nicht gelesen werden: %1. Er wurde in „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Can&apos;t make the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>DraftSummary</name>
    <message>
        <source>today %1</source>
        <translation>heute %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>gestern %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Con&amp;tinue the website you were writing (%1)</source>
        <translation>Angefangene Website &amp;fortsetzen (%1)</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message numerus="yes">
        <source> and %n more</source>
        <translation>
            <numerusform> und %n weitere</numerusform>
            <numerusform> und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>The manifest on the server is ignored: %1</source>
        <translation>Das Manifest auf dem Server wird nicht beachtet: %1</translation>
    </message>
    <message>
        <source>%1 was changed or removed on the server; it is sent again.</source>
        <translation>%1 wurde auf dem Server geändert oder entfernt; die Datei wird erneut gesendet.</translation>
    </message>
    <message>
        <source>The server&apos;s folder holds %1, which many web servers show instead of index.htm. Remove it there, or visitors will not see your start page.</source>
        <translation>Der Ordner auf dem Server enthält %1, das viele Webserver statt index.htm zeigen. Entfernen Sie die Datei dort, sonst sehen Besucher Ihre Startseite nicht.</translation>
    </message>
    <message>
        <source>Cannot make a file to try the server with.</source>
        <translation>Es kann keine Datei zum Prüfen des Servers angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write the manifest here: %1</source>
        <translation>Das Manifest kann hier nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The server holds files that Quillsite did not write, which the site would replace: %1. Replace them?</source>
        <translation>Auf dem Server liegen Dateien, die Quillsite nicht geschrieben hat und die die Website ersetzen würde: %1. Ersetzen?</translation>
    </message>
    <message>
        <source>Stopped: the site would replace files on the server that Quillsite did not write: %1. Give --yes to replace them.</source>
        <translation>Angehalten: Die Website würde Dateien auf dem Server ersetzen, die Quillsite nicht geschrieben hat: %1. Geben Sie --yes an, um sie zu ersetzen.</translation>
    </message>
    <message numerus="yes">
        <source>The publish would remove %n files from the server. Go on?</source>
        <translation>
            <numerusform>Die Veröffentlichung würde %n Dateien vom Server entfernen. Fortfahren?</numerusform>
            <numerusform>Die Veröffentlichung würde %n Dateien vom Server entfernen. Fortfahren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the publish would remove %n files from the server, more than --max-deletes allows. Give --yes or a larger --max-deletes.</source>
        <translation>
            <numerusform>Angehalten: Die Veröffentlichung würde %n Dateien vom Server entfernen, mehr als --max-deletes erlaubt. Geben Sie --yes oder ein größeres --max-deletes an.</numerusform>
            <numerusform>Angehalten: Die Veröffentlichung würde %n Dateien vom Server entfernen, mehr als --max-deletes erlaubt. Geben Sie --yes oder ein größeres --max-deletes an.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stopped. The server holds whole files, and its manifest says which; publish again to complete it.</source>
        <translation>Angehalten. Der Server enthält nur vollständige Dateien, und sein Manifest nennt sie; veröffentlichen Sie erneut, um den Vorgang abzuschließen.</translation>
    </message>
    <message>
        <source>Part of a publish by Quillsite</source>
        <translation>Teil einer Veröffentlichung durch Quillsite</translation>
    </message>
    <message>
        <source>Published by Quillsite</source>
        <translation>Veröffentlicht durch Quillsite</translation>
    </message>
</context>
<context>
    <name>FolderText</name>
    <message>
        <source>The folder %1 does not exist, nor does the folder it would be made in.</source>
        <translation>Der Ordner %1 existiert nicht, ebenso wenig der Ordner, in dem er angelegt würde.</translation>
    </message>
    <message>
        <source>%1 is reached through a symbolic link; it is not read.</source>
        <translation>%1 liegt hinter einer symbolischen Verknüpfung; die Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is too large to be ours.</source>
        <translation>%1 ist zu groß, um von uns zu stammen.</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot put %1 in place</source>
        <translation>%1 kann nicht an seinen Platz gebracht werden</translation>
    </message>
    <message>
        <source>%1 is reached through a symbolic link; it is not written.</source>
        <translation>%1 liegt hinter einer symbolischen Verknüpfung; die Datei wird nicht geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make the folder of %1</source>
        <translation>Der Ordner für %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is reached through a symbolic link; it is not removed.</source>
        <translation>%1 liegt hinter einer symbolischen Verknüpfung; die Datei wird nicht entfernt.</translation>
    </message>
    <message>
        <source>Cannot remove %1</source>
        <translation>%1 kann nicht entfernt werden</translation>
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
    <message>
        <source>Paragraph s&amp;tyle:</source>
        <translation>Absatz&amp;format:</translation>
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
    <name>FtpDestination</name>
    <message>
        <source>Publishing was stopped.</source>
        <translation>Das Veröffentlichen wurde angehalten.</translation>
    </message>
    <message>
        <source>%1 did not accept the user name or the password.</source>
        <translation>%1 hat den Benutzernamen oder das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not the one pinned: it has the fingerprint %2.</source>
        <translation>Das Zertifikat von %1 ist nicht das festgelegte: Es hat den Fingerabdruck %2.</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted (%2). Its fingerprint is %3. If that is the fingerprint its administrator gave you, publish again with --pin %3.</source>
        <translation>Dem Zertifikat von %1 wird nicht vertraut (%2). Sein Fingerabdruck ist %3. Wenn Ihnen der Administrator genau diesen Fingerabdruck genannt hat, veröffentlichen Sie erneut mit --pin %3.</translation>
    </message>
    <message>
        <source>%1 does not offer FTPS (explicit TLS).</source>
        <translation>%1 bietet kein FTPS (explizites TLS) an.</translation>
    </message>
    <message>
        <source>%1 is not on %2.</source>
        <translation>%1 ist nicht auf %2.</translation>
    </message>
    <message>
        <source>%1 has no space left for %2.</source>
        <translation>Auf %1 ist kein Platz mehr für %2.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>%1 could not handle %2: %3</source>
        <translation>%1 konnte %2 nicht bearbeiten: %3</translation>
    </message>
    <message>
        <source>Plain FTP would send your password to %1 across the network, where anyone on the way can read it. Publish to ftps:// if the server offers it, or add --allow-plain-ftp to send it readable anyway.</source>
        <translation>Einfaches FTP würde Ihr Passwort über das Netz an %1 schicken, wo es jeder auf dem Weg lesen kann. Veröffentlichen Sie über ftps://, wenn der Server es anbietet, oder fügen Sie --allow-plain-ftp hinzu, um es trotzdem lesbar zu senden.</translation>
    </message>
    <message>
        <source>%1 asks for a password, and none was given. Set QUILLSITE_PASSWORD, or run the command in a terminal to type it.</source>
        <translation>%1 verlangt ein Passwort, und es wurde keines angegeben. Setzen Sie QUILLSITE_PASSWORD, oder führen Sie den Befehl in einem Terminal aus, um es einzugeben.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 on %2 is larger than %3 bytes; it was not read.</source>
        <translation>%1 auf %2 ist größer als %3 Bytes; die Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files; they were not all listed.</source>
        <translation>%1 enthält mehr als %2 Dateien; sie wurden nicht alle aufgelistet.</translation>
    </message>
</context>
<context>
    <name>GitText</name>
    <message>
        <source>git is not installed or cannot be run.</source>
        <translation>git ist nicht installiert oder kann nicht ausgeführt werden.</translation>
    </message>
    <message>
        <source>Cannot prepare a work copy in %1.</source>
        <translation>In %1 kann keine Arbeitskopie angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot use the work copy in %1.</source>
        <translation>Die Arbeitskopie in %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Cannot reach %1.</source>
        <translation>%1 ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Cannot check out the branch %1.</source>
        <translation>Der Zweig %1 kann nicht ausgecheckt werden.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 cannot be published in a Git branch.</source>
        <translation>%1 kann nicht in einem Git-Zweig veröffentlicht werden.</translation>
    </message>
    <message>
        <source>Cannot stage the site.</source>
        <translation>Die Website kann nicht vorgemerkt werden.</translation>
    </message>
    <message>
        <source>Cannot commit the site.</source>
        <translation>Die Website kann nicht committet werden.</translation>
    </message>
    <message>
        <source>Cannot push to the branch %1 of %2; nothing was published. If it moved on, publish again.</source>
        <translation>Der Zweig %1 von %2 kann nicht aktualisiert werden; nichts wurde veröffentlicht. Wenn er sich inzwischen geändert hat, veröffentlichen Sie erneut.</translation>
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
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Its own size, never wider than the page</source>
        <translation>Eigene Größe, nie breiter als die Seite</translation>
    </message>
    <message>
        <source>Small: a third of the page&apos;s width</source>
        <translation>Klein: ein Drittel der Seitenbreite</translation>
    </message>
    <message>
        <source>Medium: half the page&apos;s width</source>
        <translation>Mittel: die halbe Seitenbreite</translation>
    </message>
    <message>
        <source>Full width</source>
        <translation>Volle Breite</translation>
    </message>
</context>
<context>
    <name>Keyring</name>
    <message>
        <source>No keyring is running, so the password can&apos;t be remembered; type it each time. It is never kept in a file instead.</source>
        <translation>Es läuft kein Schlüsselbund, daher kann das Passwort nicht gemerkt werden; geben Sie es jedes Mal ein. Es wird nie stattdessen in einer Datei abgelegt.</translation>
    </message>
    <message>
        <source>The keyring can&apos;t be used (%1), so the password can&apos;t be remembered; type it each time. It is never kept in a file instead.</source>
        <translation>Der Schlüsselbund kann nicht verwendet werden (%1), daher kann das Passwort nicht gemerkt werden; geben Sie es jedes Mal ein. Es wird nie stattdessen in einer Datei abgelegt.</translation>
    </message>
</context>
<context>
    <name>LinkDialog</name>
    <message>
        <source>Hyperlink</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>The selected text links to:</source>
        <translation>Der markierte Text verweist auf:</translation>
    </message>
    <message>
        <source>A &amp;page of this site:</source>
        <translation>Eine &amp;Seite dieser Website:</translation>
    </message>
    <message>
        <source>A &amp;web address:</source>
        <translation>Eine &amp;Webadresse:</translation>
    </message>
    <message>
        <source>example.org/page</source>
        <translation>example.org/seite</translation>
    </message>
    <message>
        <source>An &amp;e-mail address:</source>
        <translation>Eine &amp;E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>ann@example.org</source>
        <translation>anna@example.org</translation>
    </message>
    <message>
        <source>A &amp;file on this computer:</source>
        <translation>Eine &amp;Datei auf diesem Computer:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
</context>
<context>
    <name>LinkTarget</name>
    <message>
        <source>Type the web address the link leads to, such as example.org/page.</source>
        <translation>Geben Sie die Webadresse ein, auf die der Link führt, etwa example.org/seite.</translation>
    </message>
    <message>
        <source>A web address begins with https:// or http://, or with the site&apos;s name, such as example.org/page.</source>
        <translation>Eine Webadresse beginnt mit https:// oder http:// oder mit dem Namen der Website, etwa example.org/seite.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address. Type one such as example.org/page.</source>
        <translation>„%1“ ist keine Webadresse. Geben Sie eine ein, etwa example.org/seite.</translation>
    </message>
    <message>
        <source>Type an e-mail address such as ann@example.org.</source>
        <translation>Geben Sie eine E-Mail-Adresse ein, etwa anna@example.org.</translation>
    </message>
    <message>
        <source>Choose the file the link leads to with Browse.</source>
        <translation>Wählen Sie mit „Durchsuchen“ die Datei, auf die der Link führt.</translation>
    </message>
    <message>
        <source>Give the file&apos;s full path, beginning with /, or choose it with Browse.</source>
        <translation>Geben Sie den vollständigen Pfad der Datei an, beginnend mit /, oder wählen Sie sie mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>There is no file &quot;%1&quot;. Choose the file with Browse.</source>
        <translation>Die Datei „%1“ gibt es nicht. Wählen Sie die Datei mit „Durchsuchen“.</translation>
    </message>
    <message>
        <source>Choose the page the link leads to.</source>
        <translation>Wählen Sie die Seite, auf die der Link führt.</translation>
    </message>
</context>
<context>
    <name>ManifestText</name>
    <message>
        <source>The manifest is too large.</source>
        <translation>Das Manifest ist zu groß.</translation>
    </message>
    <message>
        <source>The manifest is damaged or too large.</source>
        <translation>Das Manifest ist beschädigt oder zu groß.</translation>
    </message>
    <message>
        <source>The manifest is not readable: %1</source>
        <translation>Das Manifest ist nicht lesbar: %1</translation>
    </message>
    <message>
        <source>The manifest lists no files.</source>
        <translation>Das Manifest führt keine Dateien auf.</translation>
    </message>
    <message>
        <source>The manifest names a file outside the published folder: %1</source>
        <translation>Das Manifest nennt eine Datei außerhalb des veröffentlichten Ordners: %1</translation>
    </message>
    <message>
        <source>The manifest names a file reached through a symbolic link: %1</source>
        <translation>Das Manifest nennt eine Datei hinter einer symbolischen Verknüpfung: %1</translation>
    </message>
    <message>
        <source>The manifest&apos;s entry for %1 is malformed.</source>
        <translation>Der Eintrag des Manifests für %1 ist fehlerhaft.</translation>
    </message>
</context>
<context>
    <name>MissingFiles</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>The website was built, but these pictures or files could not be found or read, so they are missing from it:

%1

Do you want to go back to Build Pages to put them right? Choose No to keep the website as built.</source>
        <translation>Die Website wurde erstellt, aber diese Bilder oder Dateien wurden nicht gefunden oder konnten nicht gelesen werden und fehlen ihr daher:

%1

Möchten Sie zu „Seiten erstellen“ zurückgehen, um das zu beheben? Wählen Sie Nein, um die Website so zu behalten.</translation>
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
    <name>PageLinks</name>
    <message>
        <source>The page &quot;%1&quot; links to &quot;%2&quot;, which is no longer a page of this site; the link leads nowhere.</source>
        <translation>Die Seite „%1“ verweist auf „%2“, das keine Seite dieser Website mehr ist; der Link führt ins Leere.</translation>
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
    <name>ParagraphStyle</name>
    <message>
        <source>Normal</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Heading 1</source>
        <translation>Überschrift 1</translation>
    </message>
    <message>
        <source>Heading 2</source>
        <translation>Überschrift 2</translation>
    </message>
    <message>
        <source>Heading 3</source>
        <translation>Überschrift 3</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
</context>
<context>
    <name>PasswordText</name>
    <message>
        <source>No keyring is running, so no password was found there; it is never kept in a file instead.</source>
        <translation>Es läuft kein Schlüsselbund, daher wurde dort kein Passwort gefunden; es wird nie stattdessen in einer Datei gespeichert.</translation>
    </message>
    <message>
        <source>The keyring could not be read: %1</source>
        <translation>Der Schlüsselbund konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Password for %1: </source>
        <translation>Passwort für %1: </translation>
    </message>
</context>
<context>
    <name>PublishCommandText</name>
    <message>
        <source>Publishes the built site in the folder SITE to DESTINATION, sending only what
changed since the last publish there, and removing only files that an earlier
publish sent.

DESTINATION is an address, sftp://[user@]host[:port]/path,
ftps://user@host[:port]/path, ftp://user@host[:port]/path (with
--allow-plain-ftp), git+ssh://..., git+https://... or git+file:///... (with
--branch), or the path of a folder.

A password is taken from QUILLSITE_PASSWORD, the desktop keyring (service
&quot;Quillsite&quot;, key the destination as written) or asked on the terminal; never
from an option.

Exit status: 0 published or nothing to do; 1 failed, with the server
consistent; 2 bad usage or a site that can&apos;t be read; 3 can&apos;t connect,
authenticate or trust the server; 4 stopped for safety (the deletion limit,
or files we did not write); 5 published, but --verify found differences.</source>
        <translation>Veröffentlicht die erstellte Website im Ordner SITE an DESTINATION und sendet nur,
was sich seit der letzten Veröffentlichung dort geändert hat; entfernt werden nur
Dateien, die eine frühere Veröffentlichung gesendet hat.

DESTINATION ist eine Adresse, sftp://[benutzer@]host[:port]/pfad,
ftps://benutzer@host[:port]/pfad, ftp://benutzer@host[:port]/pfad (mit
--allow-plain-ftp), git+ssh://..., git+https://... oder git+file:///... (mit
--branch), oder der Pfad eines Ordners.

Ein Passwort kommt aus QUILLSITE_PASSWORD, dem Schlüsselbund der Arbeitsumgebung
(Dienst &quot;Quillsite&quot;, Schlüssel das Ziel wie geschrieben) oder wird im Terminal
erfragt; nie aus einer Option.

Rückgabewert: 0 veröffentlicht oder nichts zu tun; 1 fehlgeschlagen, der Server
bleibt stimmig; 2 falscher Aufruf oder eine nicht lesbare Website; 3 keine
Verbindung, Anmeldung oder kein Vertrauen zum Server; 4 zur Sicherheit angehalten
(die Löschgrenze oder fremde Dateien); 5 veröffentlicht, aber --verify fand
Unterschiede.</translation>
    </message>
    <message>
        <source>Print the plan (what is new, changed, removed and unchanged) and change nothing.</source>
        <translation>Den Plan ausgeben (was neu, geändert, entfernt und unverändert ist) und nichts ändern.</translation>
    </message>
    <message>
        <source>Connect, check that files can be written and renamed there, report what the server holds, and change nothing.</source>
        <translation>Verbinden, prüfen, ob dort Dateien geschrieben und umbenannt werden können, melden, was der Server enthält, und nichts ändern.</translation>
    </message>
    <message>
        <source>Also read the files on the server and send again those deleted or changed by hand.</source>
        <translation>Auch die Dateien auf dem Server lesen und von Hand gelöschte oder geänderte erneut senden.</translation>
    </message>
    <message>
        <source>Use the SSH private key FILE.</source>
        <translation>Den privaten SSH-Schlüssel DATEI verwenden.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Check SSH host keys against FILE instead of ~/.ssh/known_hosts.</source>
        <translation>SSH-Hostschlüssel gegen DATEI statt ~/.ssh/known_hosts prüfen.</translation>
    </message>
    <message>
        <source>Trust the SSH host key with this fingerprint and record it in known_hosts.</source>
        <translation>Dem SSH-Hostschlüssel mit diesem Fingerabdruck vertrauen und ihn in known_hosts eintragen.</translation>
    </message>
    <message>
        <source>SHA256:...</source>
        <translation>SHA256:...</translation>
    </message>
    <message>
        <source>Trust the certificate authorities in FILE for FTPS.</source>
        <translation>Den Zertifizierungsstellen in DATEI für FTPS vertrauen.</translation>
    </message>
    <message>
        <source>Trust the FTPS server certificate with this fingerprint.</source>
        <translation>Dem FTPS-Serverzertifikat mit diesem Fingerabdruck vertrauen.</translation>
    </message>
    <message>
        <source>Allow ftp://, where the password crosses the network readable.</source>
        <translation>ftp:// erlauben, wobei das Passwort lesbar durch das Netz geht.</translation>
    </message>
    <message>
        <source>The Git branch to publish to. Default: gh-pages.</source>
        <translation>Der Git-Zweig, in den veröffentlicht wird. Vorgabe: gh-pages.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Stop before removing more than N files. Default: 20.</source>
        <translation>Anhalten, bevor mehr als N Dateien entfernt werden. Vorgabe: 20.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Go on without asking: remove more than --max-deletes files, or replace files we did not write.</source>
        <translation>Ohne Nachfrage fortfahren: mehr als --max-deletes Dateien entfernen oder Dateien ersetzen, die wir nicht geschrieben haben.</translation>
    </message>
    <message>
        <source>After publishing, fetch every page and picture sent from URL and compare it byte for byte.</source>
        <translation>Nach dem Veröffentlichen jede gesendete Seite und jedes Bild von URL abrufen und Byte für Byte vergleichen.</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Publish again the version before the last one published to DESTINATION; SITE may be left out.</source>
        <translation>Die Version vor der zuletzt an ZIEL veröffentlichten erneut veröffentlichen; SITE darf fehlen.</translation>
    </message>
    <message>
        <source>Send over at most N connections at once, fewer when there are few files. Default: 4 (1 for Git).</source>
        <translation>Über höchstens N Verbindungen gleichzeitig senden, über weniger bei wenigen Dateien. Vorgabe: 4 (1 für Git).</translation>
    </message>
    <message>
        <source>Print only warnings and errors.</source>
        <translation>Nur Warnungen und Fehler ausgeben.</translation>
    </message>
    <message>
        <source>The folder of the built site.</source>
        <translation>Der Ordner der erstellten Website.</translation>
    </message>
    <message>
        <source>Where to publish it.</source>
        <translation>Wohin sie veröffentlicht wird.</translation>
    </message>
    <message>
        <source>See --help for the options.</source>
        <translation>Die Optionen zeigt --help.</translation>
    </message>
    <message>
        <source>Give the site&apos;s folder and the destination: quillsite-publish SITE DESTINATION. See --help.</source>
        <translation>Geben Sie den Ordner der Website und das Ziel an: quillsite-publish SITE DESTINATION. Siehe --help.</translation>
    </message>
    <message>
        <source>--branch is for git+ destinations only.</source>
        <translation>--branch gilt nur für git+-Ziele.</translation>
    </message>
    <message>
        <source>Over ftp:// the password and the files cross the network readable by anyone on the way. Use ftps:// or sftp://, or give --allow-plain-ftp.</source>
        <translation>Über ftp:// gehen Passwort und Dateien für jeden auf dem Weg lesbar durch das Netz. Verwenden Sie ftps:// oder sftp://, oder geben Sie --allow-plain-ftp an.</translation>
    </message>
    <message>
        <source>--jobs needs a number from 1 to 16.</source>
        <translation>--jobs braucht eine Zahl von 1 bis 16.</translation>
    </message>
    <message>
        <source>--max-deletes needs a number, 0 or more.</source>
        <translation>--max-deletes braucht eine Zahl, 0 oder mehr.</translation>
    </message>
    <message>
        <source>--verify needs the site&apos;s web address, starting with http:// or https://.</source>
        <translation>--verify braucht die Webadresse der Website, beginnend mit http:// oder https://.</translation>
    </message>
    <message>
        <source>Give --dry-run or --check, not both.</source>
        <translation>Geben Sie --dry-run oder --check an, nicht beides.</translation>
    </message>
</context>
<context>
    <name>PublishOutcome</name>
    <message>
        <source>Quillsite can&apos;t publish into %1: %2</source>
        <translation>Quillsite kann nicht in %1 veröffentlichen: %2</translation>
    </message>
    <message>
        <source>Quillsite can&apos;t find the server of %1. Check the host name.</source>
        <translation>Quillsite findet den Server von %1 nicht. Prüfen Sie den Hostnamen.</translation>
    </message>
    <message>
        <source>The server of %1 refused the connection. Check the port: SFTP usually answers on 22, FTP and FTPS on 21.</source>
        <translation>Der Server von %1 hat die Verbindung abgelehnt. Prüfen Sie den Port: SFTP antwortet meist auf 22, FTP und FTPS auf 21.</translation>
    </message>
    <message>
        <source>Quillsite can&apos;t reach %1. Check the host name and the port, and that this computer is online.

Details: %2</source>
        <translation>Quillsite erreicht %1 nicht. Prüfen Sie Hostnamen und Port, und ob dieser Computer online ist.

Einzelheiten: %2</translation>
    </message>
    <message>
        <source>%1 did not let you in: the user name, the password or the key was wrong. Check them as your web host gave them to you. Nothing was stored.</source>
        <translation>%1 hat Sie nicht angemeldet: Benutzername, Passwort oder Schlüssel waren falsch. Prüfen Sie sie anhand der Angaben Ihres Webhosters. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Nothing was sent: you did not accept the key of the server.</source>
        <translation>Es wurde nichts gesendet: Sie haben den Schlüssel des Servers nicht angenommen.</translation>
    </message>
    <message>
        <source>The server&apos;s key has changed since you last published to %1. Someone may be pretending to be the server, so nothing was sent. Ask your web host whether they replaced the key.

Details: %2</source>
        <translation>Der Schlüssel des Servers hat sich seit Ihrer letzten Veröffentlichung auf %1 geändert. Vielleicht gibt sich jemand als der Server aus, daher wurde nichts gesendet. Fragen Sie Ihren Webhoster, ob er den Schlüssel ersetzt hat.

Einzelheiten: %2</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>On the public address, these are not what was sent (a wrong folder, or a cache that still holds the old ones?):</source>
        <translation>Unter der öffentlichen Adresse stimmen diese nicht mit dem Gesendeten überein (ein falscher Ordner, oder ein Zwischenspeicher mit den alten?):</translation>
    </message>
    <message numerus="yes">
        <source>Checked on the public address: the %n changed pages and pictures are served as they were sent.</source>
        <translation>
            <numerusform>Unter der öffentlichen Adresse geprüft: Die %n geänderte Seite oder das Bild wird so ausgeliefert, wie es gesendet wurde.</numerusform>
            <numerusform>Unter der öffentlichen Adresse geprüft: Die %n geänderten Seiten und Bilder werden so ausgeliefert, wie sie gesendet wurden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connected to %1, and Quillsite can write there.</source>
        <translation>Verbunden mit %1, und Quillsite kann dort schreiben.</translation>
    </message>
    <message>
        <source>The site there is up to date.</source>
        <translation>Die Website dort ist aktuell.</translation>
    </message>
    <message>
        <source>Publish sends the changes listed below.</source>
        <translation>Veröffentlichen sendet die unten aufgeführten Änderungen.</translation>
    </message>
    <message>
        <source>Nothing has changed since the last publish to %1.</source>
        <translation>Seit der letzten Veröffentlichung auf %1 hat sich nichts geändert.</translation>
    </message>
    <message>
        <source>Publish sends the changes listed below to %1.</source>
        <translation>Veröffentlichen sendet die unten aufgeführten Änderungen an %1.</translation>
    </message>
    <message>
        <source>Nothing to publish: %1 is up to date.</source>
        <translation>Nichts zu veröffentlichen: %1 ist aktuell.</translation>
    </message>
    <message>
        <source>The previous version is back on %1: %2; %3 sent in %4 s.</source>
        <translation>Die vorige Version ist wieder auf %1: %2; %3 in %4 s gesendet.</translation>
    </message>
    <message>
        <source>Published to %1: %2; %3 sent in %4 s.</source>
        <translation>Auf %1 veröffentlicht: %2; %3 in %4 s gesendet.</translation>
    </message>
    <message>
        <source>Nothing was sent, because you did not agree to replace or remove those files on the server. Publish again and answer Yes to go on.</source>
        <translation>Es wurde nichts gesendet, weil Sie dem Ersetzen oder Entfernen dieser Dateien auf dem Server nicht zugestimmt haben. Veröffentlichen Sie erneut und antworten Sie mit Ja, um fortzufahren.</translation>
    </message>
    <message>
        <source>Connected to %1, but Quillsite can&apos;t write there:%2

Choose a folder on the server that your user may write to.</source>
        <translation>Verbunden mit %1, aber Quillsite kann dort nicht schreiben:%2

Wählen Sie einen Ordner auf dem Server, in den Ihr Benutzer schreiben darf.</translation>
    </message>
    <message>
        <source>Could not find out what the server holds:%1</source>
        <translation>Es ließ sich nicht feststellen, was auf dem Server liegt:%1</translation>
    </message>
    <message>
        <source>Stopped as you asked, after the file that was being sent.</source>
        <translation>Wie gewünscht angehalten, nach der Datei, die gerade gesendet wurde.</translation>
    </message>
    <message>
        <source>The publish to %1 did not complete:%2</source>
        <translation>Die Veröffentlichung auf %1 wurde nicht abgeschlossen:%2</translation>
    </message>
    <message>
        <source>%1 of %2 files were sent; the others were not. The server holds whole files only, and nothing is lost: press Publish to finish the job.</source>
        <translation>%1 von %2 Dateien wurden gesendet, die übrigen nicht. Auf dem Server liegen nur vollständige Dateien, und nichts ist verloren: Drücken Sie Veröffentlichen, um die Arbeit abzuschließen.</translation>
    </message>
    <message>
        <source>%1 new, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 neu, %2 geändert, %3 entfernt, %4 unverändert</translation>
    </message>
    <message>
        <source>There is no earlier version to go back to: %1</source>
        <translation>Es gibt keine frühere Version, zu der zurückgekehrt werden kann: %1</translation>
    </message>
    <message>
        <source>The built site could not be read: %1

Build it again with the wizard, then publish.</source>
        <translation>Die erstellte Website konnte nicht gelesen werden: %1

Erstellen Sie sie mit dem Assistenten erneut und veröffentlichen Sie dann.</translation>
    </message>
    <message>
        <source>Another publish to %1 is running. Wait until it ends, then try again.</source>
        <translation>Eine andere Veröffentlichung auf %1 läuft. Warten Sie, bis sie endet, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Note: </source>
        <translation>Hinweis: </translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4</source>
        <translation>%1 von %2 Dateien, %3 von %4</translation>
    </message>
    <message numerus="yes">
        <source>about %n seconds left</source>
        <translation>
            <numerusform>noch etwa %n Sekunde</numerusform>
            <numerusform>noch etwa %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its fingerprint is:</source>
        <translation>Das Zertifikat von %1 ist von keiner Stelle unterschrieben, der dieser Computer vertraut. Sein Fingerabdruck ist:</translation>
    </message>
    <message>
        <source>This is the first connection to %1. The server shows a key with the fingerprint:</source>
        <translation>Dies ist die erste Verbindung zu %1. Der Server zeigt einen Schlüssel mit dem Fingerabdruck:</translation>
    </message>
    <message>
        <source>If your web host&apos;s instructions or support give the same fingerprint, accept it: Quillsite then remembers it, and warns you if it ever changes. If they differ, refuse: someone may be pretending to be the server.

Accept this server?</source>
        <translation>Nennen die Anleitung oder der Support Ihres Webhosters denselben Fingerabdruck, nehmen Sie ihn an: Quillsite merkt ihn sich und warnt Sie, falls er sich je ändert. Weicht er ab, lehnen Sie ab: Vielleicht gibt sich jemand als der Server aus.

Diesen Server annehmen?</translation>
    </message>
</context>
<context>
    <name>PublishPlace</name>
    <message>
        <source>Choose the folder to publish to, as a full path such as /srv/www/club.</source>
        <translation>Wählen Sie den Ordner, in den veröffentlicht wird, als vollständigen Pfad wie /srv/www/club.</translation>
    </message>
    <message>
        <source>Type the address of the Git repository, such as git@codeberg.org:club/pages.git.</source>
        <translation>Geben Sie die Adresse des Git-Repositorys ein, etwa git@codeberg.org:club/pages.git.</translation>
    </message>
    <message>
        <source>Type the name of the server, such as ftp.example.org; your web host tells you which.</source>
        <translation>Geben Sie den Namen des Servers ein, etwa ftp.example.org; Ihr Webhoster nennt ihn Ihnen.</translation>
    </message>
    <message>
        <source>Type your user name on the server.</source>
        <translation>Geben Sie Ihren Benutzernamen auf dem Server ein.</translation>
    </message>
    <message>
        <source>Choose your key file, or sign in with a password.</source>
        <translation>Wählen Sie Ihre Schlüsseldatei, oder melden Sie sich mit einem Passwort an.</translation>
    </message>
</context>
<context>
    <name>PublishSessionText</name>
    <message>
        <source>New: %1, changed: %2, removed: %3, unchanged: %4</source>
        <translation>Neu: %1, geändert: %2, entfernt: %3, unverändert: %4</translation>
    </message>
    <message>
        <source>[y/N] </source>
        <translation>[j/N] </translation>
    </message>
    <message>
        <source>y</source>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>Nothing to publish; %1 is up to date.</source>
        <translation>Nichts zu veröffentlichen; %1 ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Published to %1: %2 new, %3 changed, %4 removed, %5 unchanged; %6 sent in %7 s.</source>
        <translation>Veröffentlicht an %1: %2 neu, %3 geändert, %4 entfernt, %5 unverändert; %6 gesendet in %7 s.</translation>
    </message>
    <message>
        <source>Differs on the web: </source>
        <translation>Im Web anders: </translation>
    </message>
    <message>
        <source>Verified at %1: %2 pages and pictures.</source>
        <translation>Geprüft unter %1: %2 Seiten und Bilder.</translation>
    </message>
    <message>
        <source>Another publish to %1 is running (process %2); wait until it ends.</source>
        <translation>Eine andere Veröffentlichung an %1 läuft (Prozess %2); warten Sie, bis sie endet.</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4, %5/s</source>
        <translation>%1 von %2 Dateien, %3 von %4, %5/s</translation>
    </message>
    <message>
        <source>Files on the server that Quillsite did not write are kept: %1</source>
        <translation>Dateien auf dem Server, die Quillsite nicht geschrieben hat, bleiben erhalten: %1</translation>
    </message>
    <message>
        <source>%1 can be written to. It holds %2 of the site&apos;s files unchanged; a publish would send %3 and remove %4.</source>
        <translation>%1 ist beschreibbar. Dort liegen %2 Dateien der Website unverändert; eine Veröffentlichung würde %3 senden und %4 entfernen.</translation>
    </message>
</context>
<context>
    <name>ReplacedPages</name>
    <message>
        <source>Could not remove the page file &quot;%1&quot;: %2.</source>
        <translation>Die Seitendatei &quot;%1&quot; konnte nicht entfernt werden: %2.</translation>
    </message>
</context>
<context>
    <name>SftpDestination</name>
    <message>
        <source>%1 did not start its SFTP service: %2</source>
        <translation>%1 hat seinen SFTP-Dienst nicht gestartet: %2</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>an answer the program does not understand</source>
        <translation>eine Antwort, die das Programm nicht versteht</translation>
    </message>
    <message>
        <source>Publishing was stopped.</source>
        <translation>Das Veröffentlichen wurde angehalten.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost, or it stalled for %2 seconds, while sending %3.</source>
        <translation>Die Verbindung zu %1 ist abgebrochen oder stand %2 Sekunden lang still, während %3 gesendet wurde.</translation>
    </message>
    <message>
        <source>%1 is not on %2.</source>
        <translation>%1 ist nicht auf %2.</translation>
    </message>
    <message>
        <source>%1 does not allow you to write %2 (permission denied).</source>
        <translation>%1 erlaubt Ihnen nicht, %2 zu schreiben (Zugriff verweigert).</translation>
    </message>
    <message>
        <source>%1 could not write %2: %3</source>
        <translation>%1 konnte %2 nicht schreiben: %3</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 has no space left for %2.</source>
        <translation>Auf %1 ist kein Platz mehr für %2.</translation>
    </message>
    <message>
        <source>%1 on %2 is larger than %3 bytes; it was not read.</source>
        <translation>%1 auf %2 ist größer als %3 Bytes; die Datei wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files; they were not all listed.</source>
        <translation>%1 enthält mehr als %2 Dateien; sie wurden nicht alle aufgelistet.</translation>
    </message>
</context>
<context>
    <name>SiteFile</name>
    <message>
        <source>The site folder %1 does not exist.</source>
        <translation>Der Ordner der Website %1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 links to a folder; it is not published.</source>
        <translation>%1 verweist auf einen Ordner; er wird nicht veröffentlicht.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file; it is not published.</source>
        <translation>%1 ist keine gewöhnliche Datei; sie wird nicht veröffentlicht.</translation>
    </message>
    <message>
        <source>%1 links to a file outside the site; it is not published.</source>
        <translation>%1 verweist auf eine Datei außerhalb der Website; sie wird nicht veröffentlicht.</translation>
    </message>
    <message>
        <source>Cannot read %1 in the site.</source>
        <translation>%1 in der Website kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>SitePreview</name>
    <message>
        <source>Could not make the preview folder</source>
        <translation>Der Ordner für die Vorschau konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SiteReader</name>
    <message>
        <source>The menu entry &quot;%1&quot; can&apos;t be opened as a page, so it was left out.</source>
        <translation>Der Menüeintrag &quot;%1&quot; kann nicht als Seite geöffnet werden und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is in the menu, but its file &quot;%2&quot; is missing from the folder, so it was left out.</source>
        <translation>Die Seite &quot;%1&quot; steht im Menü, aber ihre Datei &quot;%2&quot; fehlt im Ordner; sie wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; (file &quot;%2&quot;) was changed outside its content, so only its content was kept.</source>
        <translation>Die Seite &quot;%1&quot; (Datei &quot;%2&quot;) wurde außerhalb ihres Inhalts geändert; nur ihr Inhalt wurde übernommen.</translation>
    </message>
    <message>
        <source>No installed template matches this website, so its pages were opened without their menu and design. Choose a template for the site.</source>
        <translation>Keine installierte Vorlage passt zu dieser Website, daher wurden ihre Seiten ohne Menü und Gestaltung geöffnet. Wählen Sie eine Vorlage für die Website.</translation>
    </message>
    <message>
        <source>The page file &quot;%1&quot; is not in the site&apos;s menu, so it was not opened.</source>
        <translation>Die Seitendatei &quot;%1&quot; steht nicht im Menü der Website und wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner &quot;%1&quot; existiert nicht.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no website made with Quillsite: it has no .htm page files.</source>
        <translation>Der Ordner &quot;%1&quot; enthält keine mit Quillsite erstellte Website: Er hat keine .htm-Seitendateien.</translation>
    </message>
    <message>
        <source>Could not read the page file</source>
        <translation>Die Seitendatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; (file &quot;%2&quot;) could not be read (%3), so it was left out.</source>
        <translation>Die Seite „%1“ (Datei „%2“) konnte nicht gelesen werden (%3) und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; (file &quot;%2&quot;) is not valid UTF-8 and names no other encoding. Its bytes are kept as they are, but some of its characters may show wrongly; save the file as UTF-8 to be sure.</source>
        <translation>Die Seite „%1“ (Datei „%2“) ist kein gültiges UTF-8 und nennt keine andere Kodierung. Ihre Bytes bleiben, wie sie sind, aber manche ihrer Zeichen werden vielleicht falsch angezeigt; speichern Sie die Datei sicherheitshalber als UTF-8.</translation>
    </message>
</context>
<context>
    <name>SshHostTrust</name>
    <message>
        <source>%1 did not show a host key that can be checked.</source>
        <translation>%1 hat keinen Host-Schlüssel gezeigt, der sich prüfen lässt.</translation>
    </message>
    <message>
        <source>The host key of %1 has changed: it is now %2, not the key recorded in your known_hosts file. Someone may be pretending to be the server. If its administrator confirms that the key was replaced, remove the old entry (ssh-keygen -R %1) and publish again.</source>
        <translation>Der Host-Schlüssel von %1 hat sich geändert: Er ist jetzt %2, nicht der in Ihrer Datei known_hosts vermerkte Schlüssel. Vielleicht gibt sich jemand als der Server aus. Wenn dessen Administrator bestätigt, dass der Schlüssel ersetzt wurde, entfernen Sie den alten Eintrag (ssh-keygen -R %1) und veröffentlichen Sie erneut.</translation>
    </message>
    <message>
        <source>Could not read the known_hosts file to check the host key of %1: %2</source>
        <translation>Die Datei known_hosts konnte nicht gelesen werden, um den Host-Schlüssel von %1 zu prüfen: %2</translation>
    </message>
    <message>
        <source>%1 is not a known host. Its key has the fingerprint %2. If that is the fingerprint its administrator gave you, publish again with --accept-host-key %2.</source>
        <translation>%1 ist kein bekannter Host. Sein Schlüssel hat den Fingerabdruck %2. Wenn Ihnen der Administrator genau diesen Fingerabdruck genannt hat, veröffentlichen Sie erneut mit --accept-host-key %2.</translation>
    </message>
    <message>
        <source>Could not record the host key of %1 in the known_hosts file: %2</source>
        <translation>Der Host-Schlüssel von %1 konnte nicht in der Datei known_hosts vermerkt werden: %2</translation>
    </message>
</context>
<context>
    <name>SshLogin</name>
    <message>
        <source>%1 did not accept any of your SSH keys, and it takes no password. Add your key to the ssh-agent, or name its file with -i.</source>
        <translation>%1 hat keinen Ihrer SSH-Schlüssel angenommen und nimmt kein Passwort an. Fügen Sie Ihren Schlüssel dem ssh-agent hinzu, oder nennen Sie seine Datei mit -i.</translation>
    </message>
    <message>
        <source>%1 asks for a password, and none was given. Set QUILLSITE_PASSWORD, or run the command in a terminal to type it.</source>
        <translation>%1 verlangt ein Passwort, und es wurde keines angegeben. Setzen Sie QUILLSITE_PASSWORD, oder führen Sie den Befehl in einem Terminal aus, um es einzugeben.</translation>
    </message>
    <message>
        <source>The connection to %1 failed while logging in: %2</source>
        <translation>Die Verbindung zu %1 ist bei der Anmeldung gescheitert: %2</translation>
    </message>
    <message>
        <source>%1 did not accept the password. Check the user name and the password.</source>
        <translation>%1 hat das Passwort nicht angenommen. Prüfen Sie Benutzernamen und Passwort.</translation>
    </message>
</context>
<context>
    <name>VerifierText</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: cannot read the file sent</source>
        <translation>%1: die gesendete Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: the server gives different bytes than were sent</source>
        <translation>%1: der Server liefert andere Bytes, als gesendet wurden</translation>
    </message>
</context>
<context>
    <name>VersionText</name>
    <message>
        <source>Cannot keep a copy of %1 for undoing the publish.</source>
        <translation>Von %1 kann keine Kopie zum Rückgängigmachen der Veröffentlichung behalten werden.</translation>
    </message>
    <message>
        <source>Cannot keep a record of the publish: %1</source>
        <translation>Die Veröffentlichung kann nicht festgehalten werden: %1</translation>
    </message>
    <message>
        <source>There is no earlier publish to this place to go back to.</source>
        <translation>Es gibt keine frühere Veröffentlichung an diesen Ort, zu der zurückgekehrt werden kann.</translation>
    </message>
    <message>
        <source>The copy of the earlier publish is damaged; it can&apos;t be published again.</source>
        <translation>Die Kopie der früheren Veröffentlichung ist beschädigt; sie kann nicht erneut veröffentlicht werden.</translation>
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
    <message>
        <source>Open the website made with Quillsite in FOLDER.</source>
        <translation>Die mit Quillsite erstellte Website in ORDNER öffnen.</translation>
    </message>
    <message>
        <source>Open the Publish dialog for the website built in FOLDER, without the wizard.</source>
        <translation>Öffnet den Veröffentlichen-Dialog für die in FOLDER erstellte Website, ohne den Assistenten.</translation>
    </message>
    <message>
        <source>quillsite: %1 holds no website built by Quillsite (it has no index.htm). Build it with the wizard first.
</source>
        <translation>quillsite: %1 enthält keine mit Quillsite erstellte Website (es gibt keine index.htm). Erstellen Sie sie zuerst mit dem Assistenten.
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
    <message numerus="yes">
        <source>    and %n more</source>
        <translation>
            <numerusform>    und %n weitere</numerusform>
            <numerusform>    und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Your website is open, but not all of it could be recovered:

%1</source>
        <translation>Ihre Website ist geöffnet, aber nicht alles konnte wiederhergestellt werden:

%1</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; already holds files that building your website would replace:

%2

Replace them?</source>
        <translation>Der Ordner &quot;%1&quot; enthält bereits Dateien, die beim Erstellen Ihrer Website ersetzt würden:

%2

Ersetzen?</translation>
    </message>
    <message>
        <source>Removed 1 file that your website no longer uses:</source>
        <translation>1 Datei entfernt, die Ihre Website nicht mehr verwendet:</translation>
    </message>
    <message>
        <source>Removed %1 files that your website no longer uses:</source>
        <translation>%1 Dateien entfernt, die Ihre Website nicht mehr verwendet:</translation>
    </message>
    <message>
        <source>Your website is in the folder &quot;%1&quot;.</source>
        <translation>Ihre Website liegt im Ordner &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>These files belong to pages you deleted or renamed, and are still in the website&apos;s folder, where visitors can reach them:

%1

Remove them?</source>
        <translation>Diese Dateien gehören zu Seiten, die Sie gelöscht oder umbenannt haben, und liegen noch im Ordner der Website, wo Besucher sie erreichen:

%1

Entfernen?</translation>
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
    <message>
        <source>&amp;Open a website made with Quillsite...</source>
        <translation>Mit Quillsite erstellte Website &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Open the Website&apos;s Folder</source>
        <translation>Ordner der Website ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Publish...</source>
        <translation>&amp;Veröffentlichen...</translation>
    </message>
</context>
<context>
    <name>frmPublish</name>
    <message>
        <source>Publish Your Website</source>
        <translation>Website veröffentlichen</translation>
    </message>
    <message>
        <source>Publish t&amp;o:</source>
        <translation>Veröffentlichen &amp;nach:</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>Po&amp;rt:</source>
        <translation>Por&amp;t:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>Folder on the &amp;server:</source>
        <translation>&amp;Ordner auf dem Server:</translation>
    </message>
    <message>
        <source>Repositor&amp;y:</source>
        <translation>Repositor&amp;y:</translation>
    </message>
    <message>
        <source>&amp;Branch:</source>
        <translation>Zwei&amp;g:</translation>
    </message>
    <message>
        <source>&amp;Folder:</source>
        <translation>Ordn&amp;er:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>Sign &amp;in with:</source>
        <translation>Anmelden m&amp;it:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Key file</source>
        <translation>Schlüsseldatei</translation>
    </message>
    <message>
        <source>SSH agent</source>
        <translation>SSH-Agent</translation>
    </message>
    <message>
        <source>P&amp;assword:</source>
        <translation>Pass&amp;wort:</translation>
    </message>
    <message>
        <source>Remember in the &amp;keyring</source>
        <translation>Im Schlüsselbund &amp;merken</translation>
    </message>
    <message>
        <source>K&amp;ey file:</source>
        <translation>Schlüssel&amp;datei:</translation>
    </message>
    <message>
        <source>Public a&amp;ddress:</source>
        <translation>Öffentliche &amp;Adresse:</translation>
    </message>
    <message>
        <source>Fill in where your website goes, then press Test Connection.</source>
        <translation>Geben Sie an, wohin Ihre Website soll, und drücken Sie dann Verbindung prüfen.</translation>
    </message>
    <message>
        <source>Changes:</source>
        <translation>Änderungen:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Test &amp;Connection</source>
        <translation>Verbindung &amp;prüfen</translation>
    </message>
    <message>
        <source>Show Chan&amp;ges</source>
        <translation>Änderungen &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Open the published si&amp;te</source>
        <translation>Veröffentlichte Seite ö&amp;ffnen</translation>
    </message>
    <message>
        <source>U&amp;ndo this publish</source>
        <translation>Veröffentlichung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
</context>
<context>
    <name>quillsite::EditorSession</name>
    <message>
        <source>The web engine stopped showing this page %1 times in a row (exit code %2).</source>
        <translation>Die Web-Engine hat die Anzeige dieser Seite %1-mal hintereinander abgebrochen (Exit-Code %2).</translation>
    </message>
</context>
<context>
    <name>quillsite::FontDialog</name>
    <message>
        <source>(as it is)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>Serif (any)</source>
        <translation>Serifenschrift (beliebig)</translation>
    </message>
    <message>
        <source>Sans-serif (any)</source>
        <translation>Serifenlose Schrift (beliebig)</translation>
    </message>
    <message>
        <source>Monospace (any)</source>
        <translation>Festbreitenschrift (beliebig)</translation>
    </message>
</context>
<context>
    <name>quillsite::HtmlEditor</name>
    <message>
        <source>Can&apos;t read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No spelling suggestions</source>
        <translation>Keine Rechtschreibvorschläge</translation>
    </message>
    <message>
        <source>Paragraph &amp;Style</source>
        <translation>&amp;Absatzformat</translation>
    </message>
    <message>
        <source>%1 What you wrote up to then is kept.</source>
        <translation>%1 Was Sie bis dahin geschrieben haben, bleibt erhalten.</translation>
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
    <name>quillsite::LargeEditor</name>
    <message>
        <source>%1 - Quillsite</source>
        <translation>%1 - Quillsite</translation>
    </message>
</context>
<context>
    <name>quillsite::LinkDialog</name>
    <message>
        <source>&amp;Remove Link</source>
        <translation>Link &amp;entfernen</translation>
    </message>
    <message>
        <source>Choose the File to Link To</source>
        <translation>Datei für den Link wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>quillsite::PageNameDialog</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
    <message>
        <source>Move Page Up</source>
        <translation>Seite nach oben</translation>
    </message>
    <message>
        <source>Move Page Down</source>
        <translation>Seite nach unten</translation>
    </message>
    <message>
        <source>Rename Page</source>
        <translation>Seite umbenennen</translation>
    </message>
    <message>
        <source>Duplicate Page</source>
        <translation>Seite duplizieren</translation>
    </message>
</context>
<context>
    <name>quillsite::SiteLoader</name>
    <message>
        <source>Opening the pages of your website...</source>
        <translation>Die Seiten Ihrer Website werden geöffnet...</translation>
    </message>
    <message>
        <source>Quillsite</source>
        <translation>Quillsite</translation>
    </message>
</context>
<context>
    <name>quillsite::SitePages</name>
    <message>
        <source>Copy of %1</source>
        <translation>Kopie von %1</translation>
    </message>
</context>
<context>
    <name>quillsite::frmAdd</name>
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
    <message>
        <source>Select the folder of your website.</source>
        <translation>Wählen Sie den Ordner Ihrer Website.</translation>
    </message>
    <message>
        <source>Opening a website replaces the pages you have made here. Open it all the same?</source>
        <translation>Das Öffnen einer Website ersetzt die Seiten, die Sie hier angelegt haben. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview the website in your browser (F5)</source>
        <translation>Vorschau der Website im Browser (F5)</translation>
    </message>
    <message>
        <source>Large Editor</source>
        <translation>Großer Editor</translation>
    </message>
    <message>
        <source>Write this page in a large window (Ctrl+Shift+E)</source>
        <translation>Diese Seite in einem großen Fenster schreiben (Strg+Umschalt+E)</translation>
    </message>
    <message>
        <source>Your work can&apos;t be kept as a draft, so it would be lost if Quillsite ended unexpectedly. %1</source>
        <translation>Ihre Arbeit kann nicht als Entwurf aufbewahrt werden; sie ginge verloren, wenn Quillsite unerwartet endet. %1</translation>
    </message>
    <message>
        <source>Throw this draft away</source>
        <translation>Diesen Entwurf verwerfen</translation>
    </message>
    <message>
        <source>Continuing that website replaces the pages you have made here; they stay in a draft of their own. Continue it all the same?</source>
        <translation>Das Fortsetzen jener Website ersetzt die Seiten, die Sie hier angelegt haben; sie bleiben in einem eigenen Entwurf erhalten. Trotzdem fortsetzen?</translation>
    </message>
    <message>
        <source>Another Quillsite window is writing this website now.</source>
        <translation>Ein anderes Quillsite-Fenster schreibt gerade an dieser Website.</translation>
    </message>
    <message>
        <source>The template this website was written with, &quot;%1&quot;, is no longer installed. Choose another one on Select Template.</source>
        <translation>Die Vorlage, mit der diese Website geschrieben wurde („%1“), ist nicht mehr installiert. Wählen Sie unter „Vorlage auswählen“ eine andere.</translation>
    </message>
    <message>
        <source>Throw away the website you were writing (%1)? What you wrote in it can&apos;t be brought back.</source>
        <translation>Die angefangene Website verwerfen (%1)? Was Sie darin geschrieben haben, lässt sich nicht zurückholen.</translation>
    </message>
    <message>
        <source>The draft could not be removed completely. It is in &quot;%1&quot;.</source>
        <translation>Der Entwurf konnte nicht vollständig entfernt werden. Er liegt in „%1“.</translation>
    </message>
    <message>
        <source>The editor of the page &quot;%1&quot; did not answer, so there is no preview. Your pages are kept; press F5 to try again.</source>
        <translation>Der Editor der Seite „%1“ hat nicht geantwortet, daher gibt es keine Vorschau. Ihre Seiten bleiben erhalten; drücken Sie F5, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>quillsite::frmPublish</name>
    <message>
        <source>Put the version from before this publish back on the server?</source>
        <translation>Die Version von vor dieser Veröffentlichung wieder auf den Server bringen?</translation>
    </message>
    <message>
        <source>Stopping after the file being sent...</source>
        <translation>Wird nach der gerade gesendeten Datei angehalten...</translation>
    </message>
    <message>
        <source>Choose the folder to publish to</source>
        <translation>Ordner zum Veröffentlichen wählen</translation>
    </message>
    <message>
        <source>Choose your SSH key file</source>
        <translation>Ihre SSH-Schlüsseldatei wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Type your password for the server.</source>
        <translation>Geben Sie Ihr Passwort für den Server ein.</translation>
    </message>
    <message>
        <source>Sending %1</source>
        <translation>Sende %1</translation>
    </message>
    <message>
        <source>Publishing to %1...</source>
        <translation>Veröffentliche auf %1...</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbinde mit %1...</translation>
    </message>
    <message>
        <source>Plain FTP sends your password across the network readable: anyone on the way can read it. Choose FTPS instead if your host offers it.

Send the password readable to %1 anyway?</source>
        <translation>Einfaches FTP sendet Ihr Passwort lesbar über das Netz: Jeder auf dem Weg kann es lesen. Wählen Sie stattdessen FTPS, wenn Ihr Hoster es anbietet.

Das Passwort trotzdem lesbar an %1 senden?</translation>
    </message>
    <message>
        <source>Nothing was sent. Choose FTPS or SFTP if your host offers them.</source>
        <translation>Es wurde nichts gesendet. Wählen Sie FTPS oder SFTP, wenn Ihr Hoster sie anbietet.</translation>
    </message>
    <message>
        <source>Published: %1</source>
        <translation>Veröffentlicht: %1</translation>
    </message>
    <message>
        <source>Changes to publish: %1</source>
        <translation>Zu veröffentlichende Änderungen: %1</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>A publish is running. Stop it after the file being sent, and close?</source>
        <translation>Eine Veröffentlichung läuft. Nach der gerade gesendeten Datei anhalten und schließen?</translation>
    </message>
</context>
</TS>
