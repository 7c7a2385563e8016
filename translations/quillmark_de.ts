<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpWindow</name>
    <message>
        <source>topic %1</source>
        <translation>Thema %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The help page you asked for (%1) could not be found. Quillmark itself is not affected: close this window and carry on with your work.</source>
        <translation>Die gewünschte Hilfeseite (%1) wurde nicht gefunden. Quillmark selbst ist nicht betroffen: schließe dieses Fenster und arbeite weiter.</translation>
    </message>
    <message>
        <source>Quillmark Help</source>
        <translation>Quillmark-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
</context>
<context>
    <name>ProgramPicture</name>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>The program&apos;s picture: a quill writing on a rolled parchment under a night sky</source>
        <translation>Das Bild des Programms: eine Feder, die unter einem Nachthimmel auf ein gerolltes Pergament schreibt</translation>
    </message>
</context>
<context>
    <name>Quillmark::Cli</name>
    <message>
        <source>quillmark: %1 of %2: %3
</source>
        <translation>quillmark: %1 von %2: %3
</translation>
    </message>
    <message>
        <source>the export could not be written to standard output</source>
        <translation>der Export konnte nicht in die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>its export %1 would replace a character file; nothing was written.</source>
        <translation>sein Export %1 würde eine Charakterdatei ersetzen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>its export %1 is also the export of an earlier file; nothing was written.</source>
        <translation>sein Export %1 ist auch der Export einer früheren Datei; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
&apos;%1 --help&apos; zeigt mehr Informationen.
</translation>
    </message>
    <message>
        <source>--layout is used only with --pdf; the window prints with qmsheet.rav.</source>
        <translation>--layout gilt nur mit --pdf; das Fenster druckt mit qmsheet.rav.</translation>
    </message>
    <message>
        <source>only one character file can be opened at a time, but %1 were given.</source>
        <translation>es kann nur eine Charakterdatei auf einmal geöffnet werden, aber %1 wurden angegeben.</translation>
    </message>
    <message>
        <source>the file name is empty.</source>
        <translation>der Dateiname ist leer.</translation>
    </message>
    <message>
        <source>--%1 and --layout can each be given only once.</source>
        <translation>--%1 und --layout dürfen je nur einmal angegeben werden.</translation>
    </message>
    <message>
        <source>--layout is used only with --pdf.</source>
        <translation>--layout gilt nur mit --pdf.</translation>
    </message>
    <message>
        <source>the name after --%1 or --layout is empty.</source>
        <translation>der Name nach --%1 oder --layout ist leer.</translation>
    </message>
    <message>
        <source>--pdf needs at least one character file to print.</source>
        <translation>--pdf braucht mindestens eine Charakterdatei zum Drucken.</translation>
    </message>
    <message>
        <source>--%1 needs at least one character file to export.</source>
        <translation>--%1 braucht mindestens eine Charakterdatei zum Exportieren.</translation>
    </message>
    <message>
        <source>standard output (-) takes one character file, but %1 were given.</source>
        <translation>die Standardausgabe (-) nimmt eine Charakterdatei, aber %1 wurden angegeben.</translation>
    </message>
    <message>
        <source>there is no folder %1.</source>
        <translation>es gibt keinen Ordner %1.</translation>
    </message>
    <message>
        <source>%1 character files need a folder to go into, but %2 is not a folder.</source>
        <translation>%1 Charakterdateien brauchen einen Ordner als Ziel, aber %2 ist kein Ordner.</translation>
    </message>
    <message>
        <source>only one of --pdf, --json, --markdown and --text can be given.</source>
        <translation>nur eine von --pdf, --json, --markdown und --text darf angegeben werden.</translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game.</source>
        <translation>Erschafft Spielercharaktere für das Rollenspiel Vestrine.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>With --pdf: print with this layout instead of qmsheet.rav.</source>
        <translation>Mit --pdf: mit diesem Layout statt qmsheet.rav drucken.</translation>
    </message>
    <message>
        <source>A character file (*.qmc) to open at the start, or to print with --pdf.</source>
        <translation>Eine Charakterdatei (*.qmc), die beim Start geöffnet oder mit --pdf gedruckt wird.</translation>
    </message>
    <message>
        <source>quillmark: the output could not be written
</source>
        <translation>quillmark: die Ausgabe konnte nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>%1 (answered No)</source>
        <translation>%1 (mit Nein beantwortet)</translation>
    </message>
    <message>
        <source>the layout printed nothing; %1 was not written.</source>
        <translation>das Layout druckte nichts; %1 wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>its PDF %1 would replace a character file; nothing was written.</source>
        <translation>sein PDF %1 würde eine Charakterdatei ersetzen; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>its PDF %1 is also the PDF of an earlier file; nothing was written.</source>
        <translation>sein PDF %1 ist auch das PDF einer früheren Datei; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>quillmark: the platform %1 could not be started; unset QT_QPA_PLATFORM to print without a display
</source>
        <translation>quillmark: die Plattform %1 konnte nicht gestartet werden; ohne QT_QPA_PLATFORM wird ohne Anzeige gedruckt
</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In --help: stands for a character file given on the command line. Capitals, one word.</extracomment>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>In --help: stands for the PDF or export file, or the folder, written to. Capitals, one word.</extracomment>
        <translation>AUSGABE</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>In --help: stands for a character file&apos;s name without its extension (&quot;NAME.pdf&quot;).</extracomment>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Print the sheet of %1 into %2, a PDF file, or of each %1 into %3.pdf in the folder %2, and leave; no window is shown.</source>
        <extracomment>%1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).</extracomment>
        <translation>Den Bogen von %1 in %2, eine PDF-Datei, drucken oder den jeder %1 in %3.pdf im Ordner %2, und beenden; es wird kein Fenster gezeigt.</translation>
    </message>
    <message>
        <source>Export the character of %1 into %2 as JSON, or of each %1 into %3.json in the folder %2, and leave; %2 - is standard output.</source>
        <extracomment>%1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).</extracomment>
        <translation>Den Charakter von %1 als JSON in %2 exportieren oder den jeder %1 in %3.json im Ordner %2, und beenden; %2 - ist die Standardausgabe.</translation>
    </message>
    <message>
        <source>The same as Markdown, into %1 or %2.md in the folder %1.</source>
        <extracomment>%1 stands for the output, %2 for a name (OUT, NAME).</extracomment>
        <translation>Dasselbe als Markdown, in %1 oder %2.md im Ordner %1.</translation>
    </message>
    <message>
        <source>The same as plain text, into %1 or %2.txt in the folder %1.</source>
        <extracomment>%1 stands for the output, %2 for a name (OUT, NAME).</extracomment>
        <translation>Dasselbe als einfacher Text, in %1 oder %2.txt im Ordner %1.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>a layout</comment>
        <extracomment>In --help: stands for the name of a print layout, before its extension (&quot;FILE.rav&quot;).</extracomment>
        <translation>LAYOUT</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [%2]
       %1 --pdf %3 [--layout %4.rav] %2...
       %1 --json|--markdown|--text %3 %2...</source>
        <extracomment>%1 is the program, %2 stands for a character file, %3 for the output, %4 for a layout (FILE, OUT, FILE).</extracomment>
        <translation>Aufruf: %1 [Optionen] [%2]
        %1 --pdf %3 [--layout %4.rav] %2...
        %1 --json|--markdown|--text %3 %2...</translation>
    </message>
</context>
<context>
    <name>Quillmark::Common</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>it is too large: %1, where %2 may have at most %3</source>
        <translation>sie ist zu groß: %1, wobei %2 höchstens %3 haben darf</translation>
    </message>
    <message>
        <source>it would make the program wait for more to read, as no regular file does</source>
        <translation>das Programm müsste auf weitere Daten warten, was keine reguläre Datei tut</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>es ist eine benannte Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>its name cannot be read, as it is not valid UTF-8</source>
        <translation>ihr Name kann nicht gelesen werden, da er kein gültiges UTF-8 ist</translation>
    </message>
    <message>
        <source>a character file</source>
        <translation>eine Charakterdatei</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>a report layout</source>
        <translation>ein Berichtslayout</translation>
    </message>
    <message>
        <source>an image file</source>
        <translation>eine Bilddatei</translation>
    </message>
    <message>
        <source>it exists and is not %1</source>
        <translation>die Datei existiert und ist nicht %1</translation>
    </message>
    <message>
        <source>it is a character file, which only Save replaces</source>
        <translation>es ist eine Charakterdatei, die nur Speichern ersetzt</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>es ist ein Verweis auf eine fehlende Datei</translation>
    </message>
    <message>
        <source>it kept changing while it was being written</source>
        <translation>sie änderte sich, während sie geschrieben wurde</translation>
    </message>
    <message>
        <source> (%1 characters)</source>
        <translation> (%1 Zeichen)</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>eine Datei</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>ein PDF</translation>
    </message>
    <message>
        <source>a file an export may replace: it is a report layout or a settings file</source>
        <translation>eine Datei, die ein Export ersetzen darf: sie ist ein Berichtslayout oder eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>an earlier JSON export</source>
        <translation>ein früherer JSON-Export</translation>
    </message>
    <message>
        <source>an earlier Markdown export</source>
        <translation>ein früherer Markdown-Export</translation>
    </message>
    <message>
        <source>an earlier plain text export</source>
        <translation>ein früherer Text-Export</translation>
    </message>
    <message>
        <source>a recovery note</source>
        <translation>eine Wiederherstellungsnotiz</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a file is offered under while the character has none: &quot;Character.qmc&quot;, &quot;Character.pdf&quot;. A word of one file name: no &quot;/&quot;.</extracomment>
        <translation>Charakter</translation>
    </message>
</context>
<context>
    <name>Quillmark::Export</name>
    <message>
        <source>Realm</source>
        <translation>Sphäre</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Kräfte</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file Quillmark reads; an export never replaces it.</source>
        <translation>&quot;%1&quot; ist eine Datei, die Quillmark liest; ein Export ersetzt sie nie.</translation>
    </message>
    <message>
        <source>The export cannot be written to &quot;%1&quot;: %2; it was left as it is</source>
        <translation>Der Export kann nicht in &quot;%1&quot; geschrieben werden: %2; sie blieb unverändert</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>Markdown</source>
        <translation>Markdown</translation>
    </message>
    <message>
        <source>Plain text</source>
        <translation>Einfacher Text</translation>
    </message>
    <message>
        <source>%1 (*.%2)</source>
        <extracomment>A file type in the report&apos;s file dialog: its name, then its files&apos; extension.</extracomment>
        <translation>%1 (*.%2)</translation>
    </message>
</context>
<context>
    <name>Quillmark::Files</name>
    <message>
        <source>Unable to save &quot;%1&quot;: %2. The character was not saved.</source>
        <translation>Speichern von &quot;%1&quot; nicht möglich: %2. Der Charakter wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Quillmark ended before a character was saved. Restore it?</source>
        <translation>Quillmark wurde beendet, bevor ein Charakter gespeichert war. Wiederherstellen?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; cannot be read as a character: %2. It was left where it is.</source>
        <translation>Die Wiederherstellungskopie &quot;%1&quot; lässt sich nicht als Charakter lesen: %2. Sie blieb, wo sie ist.</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; cannot be read as a character: %2. It was set aside as &quot;%3&quot;.</source>
        <translation>Die Wiederherstellungskopie &quot;%1&quot; lässt sich nicht als Charakter lesen: %2. Sie wurde als &quot;%3&quot; beiseitegelegt.</translation>
    </message>
    <message>
        <source>Quillmark ended before the character &quot;%1&quot; was saved. Restore it?</source>
        <translation>Quillmark wurde beendet, bevor der Charakter &quot;%1&quot; gespeichert war. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Line %1 of the character file is too long: %2; a value may have at most %3 characters</source>
        <translation>Zeile %1 der Charakterdatei ist zu lang: %2; ein Wert darf höchstens %3 Zeichen haben</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: %2</source>
        <translation>Die Charakterdatei &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: it holds more than %2 items</source>
        <translation>Die Charakterdatei &quot;%1&quot; kann nicht gelesen werden: sie enthält mehr als %2 Einträge</translation>
    </message>
    <message>
        <source>This will clear all current work.  Are you sure?</source>
        <translation>Damit wird die gesamte aktuelle Arbeit gelöscht.  Bist du sicher?</translation>
    </message>
    <message>
        <source>You must select a character file.</source>
        <translation>Du musst eine Charakterdatei auswählen.</translation>
    </message>
    <message>
        <source>You must enter a file name.</source>
        <translation>Du musst einen Dateinamen eingeben.</translation>
    </message>
    <message>
        <source>The character file ended before all of its lists were read. The character was loaded as far as the file goes; some lists may be incomplete.</source>
        <translation>Die Charakterdatei endete, bevor alle ihre Listen gelesen waren. Der Charakter wurde so weit geladen, wie die Datei reicht; einige Listen können unvollständig sein.</translation>
    </message>
    <message>
        <source>The character has been changed. Do you want to save it?</source>
        <translation>Der Charakter wurde geändert. Möchtest du ihn speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige numerische Eingabe</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>Quillmark::Print</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>The report layout has no page &quot;%1&quot;; nothing was printed.</source>
        <translation>Das Berichtslayout hat keine Seite &quot;%1&quot;; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; of the report layout has no component &quot;%2&quot;; nothing was printed.</source>
        <translation>Die Seite &quot;%1&quot; des Berichtslayouts hat keine Komponente &quot;%2&quot;; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a memo field; nothing was printed.</source>
        <translation>Die Komponente &quot;%1&quot; des Berichtslayouts ist kein Memofeld; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a text field; nothing was printed.</source>
        <translation>Die Komponente &quot;%1&quot; des Berichtslayouts ist kein Textfeld; es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The following reporting projects do not exist:<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>&quot;%2&quot;</source>
        <translation>Die folgenden Berichtsprojekte existieren nicht:<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>&quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Quillmark::Report</name>
    <message>
        <source>The report component asked for is not a text or memo field</source>
        <translation>Die verlangte Berichtskomponente ist kein Text- oder Memofeld</translation>
    </message>
    <message>
        <source>The report component asked for is not a memo field</source>
        <translation>Die verlangte Berichtskomponente ist kein Memofeld</translation>
    </message>
    <message>
        <source>the image %1 must be a file name in the layout&apos;s own folder</source>
        <translation>das Bild %1 muss ein Dateiname im Ordner des Layouts sein</translation>
    </message>
    <message>
        <source>the image %1 cannot be read: %2</source>
        <translation>das Bild %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the image %1 is too large: %2 by %3 pixels, where an image may have at most %4 million pixels</source>
        <translation>das Bild %1 ist zu groß: %2 mal %3 Pixel, wobei ein Bild höchstens %4 Millionen Pixel haben darf</translation>
    </message>
    <message>
        <source>the image %1 cannot be read</source>
        <translation>das Bild %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the image %1 is one too many: with it the layout&apos;s images would have %2 million pixels, where all of them together may have at most %3 million</source>
        <translation>das Bild %1 ist eines zu viel: mit ihm hätten die Bilder des Layouts %2 Millionen Pixel, wobei alle zusammen höchstens %3 Millionen haben dürfen</translation>
    </message>
    <message>
        <source>The reporting project &quot;%1&quot; is damaged in line %2: %3</source>
        <translation>Das Berichtsprojekt &quot;%1&quot; ist in Zeile %2 beschädigt: %3</translation>
    </message>
    <message>
        <source>%1 may not hold %2</source>
        <translation>%1 darf %2 nicht enthalten</translation>
    </message>
    <message>
        <source>%1 has no attribute %2</source>
        <translation>%1 hat kein Attribut %2</translation>
    </message>
    <message>
        <source>%1 needs the attribute &quot;%2&quot;</source>
        <translation>%1 braucht das Attribut &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the %1 name %2 must not be empty or hold a &quot;.&quot;</source>
        <translation>der Name %2 (%1) darf nicht leer sein und keinen &quot;.&quot; enthalten</translation>
    </message>
    <message>
        <source>there is a second %1 named %2</source>
        <translation>es gibt ein zweites %1 namens %2</translation>
    </message>
    <message>
        <source>%1 is no valid value for &quot;%2&quot; (a number from %3 to %4)</source>
        <translation>%1 ist kein gültiger Wert für &quot;%2&quot; (eine Zahl von %3 bis %4)</translation>
    </message>
    <message>
        <source>a report layout starts with &lt;project&gt;</source>
        <translation>ein Berichtslayout beginnt mit &lt;project&gt;</translation>
    </message>
    <message>
        <source>&lt;project&gt; may hold only &lt;report&gt;, not %1</source>
        <translation>&lt;project&gt; darf nur &lt;report&gt; enthalten, nicht %1</translation>
    </message>
    <message>
        <source>&lt;report&gt; may hold only &lt;page&gt;, not %1</source>
        <translation>&lt;report&gt; darf nur &lt;page&gt; enthalten, nicht %1</translation>
    </message>
    <message>
        <source>a report needs at least one page</source>
        <translation>ein Bericht braucht mindestens eine Seite</translation>
    </message>
    <message>
        <source>unknown paper %1</source>
        <translation>unbekanntes Papier %1</translation>
    </message>
    <message>
        <source>a page needs a width and a height above 0</source>
        <translation>eine Seite braucht eine Breite und eine Höhe über 0</translation>
    </message>
    <message>
        <source>a page may be at most %1 mm wide and high</source>
        <translation>eine Seite darf höchstens %1 mm breit und hoch sein</translation>
    </message>
    <message>
        <source>orientation is &quot;portrait&quot; or &quot;landscape&quot;, not %1</source>
        <translation>die Ausrichtung ist &quot;portrait&quot; oder &quot;landscape&quot;, nicht %1</translation>
    </message>
    <message>
        <source>unknown unit %1</source>
        <translation>unbekannte Einheit %1</translation>
    </message>
    <message>
        <source>there is a second component named %1</source>
        <translation>es gibt eine zweite Komponente namens %1</translation>
    </message>
    <message>
        <source>unknown component %1</source>
        <translation>unbekannte Komponente %1</translation>
    </message>
    <message>
        <source>a text or memo field needs a name</source>
        <translation>ein Text- oder Memofeld braucht einen Namen</translation>
    </message>
    <message>
        <source>The following reporting project does not exist:<byte value="xd"/>&quot;%1&quot;</source>
        <translation>Das folgende Berichtsprojekt existiert nicht:<byte value="xd"/>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>The reporting project &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Berichtsprojekt &quot;%1&quot; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>%1 is not a colour (write #rrggbb or a colour name)</source>
        <translation>%1 ist keine Farbe (schreibe #rrggbb oder einen Farbnamen)</translation>
    </message>
    <message>
        <source>Quillmark Report</source>
        <translation>Quillmark-Bericht</translation>
    </message>
    <message>
        <source>Generating page %1</source>
        <translation>Seite %1 wird erstellt</translation>
    </message>
    <message>
        <source>The report cannot be written to %1</source>
        <translation>Der Bericht kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Seite %1 wird gedruckt</translation>
    </message>
    <message>
        <source>The report could not be finished on %1</source>
        <translation>Der Bericht konnte auf %1 nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2; it was left as it is</source>
        <translation>Der Bericht kann nicht geschrieben werden (%1): %2; sie blieb unverändert</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>Datei &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>Der Bericht kann nicht geschrieben werden (%1): %2</translation>
    </message>
    <message>
        <source>The report could not be finished on %1: %2</source>
        <translation>Der Bericht konnte auf %1 nicht abgeschlossen werden: %2</translation>
    </message>
    <message>
        <source>The report would take more than %1 pages; nothing was printed</source>
        <translation>Der Bericht bräuchte mehr als %1 Seiten; es wurde nichts gedruckt</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>There is no printer to print on; choose one under &quot;Printer setup&quot; or send the report to a PDF file</source>
        <translation>Es gibt keinen Drucker; wähle einen unter &quot;Druckereinrichtung&quot; oder sende den Bericht in eine PDF-Datei</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>Drucker &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>Quillmark::Resources</name>
    <message>
        <source>Corporeal Song of %1 ,Level:%2</source>
        <extracomment>A Corporeal Song in the lists, the printout and the Markdown and text exports: %1 its name, %2 its level. The English is the item as a character file stores it; the realm word agrees with &quot;Song&quot;.</extracomment>
        <translation>Körperliches Lied: %1, Stufe %2</translation>
    </message>
    <message>
        <source>Ethereal Song of %1 ,Level:%2</source>
        <extracomment>An Ethereal Song, shown as the Corporeal one.</extracomment>
        <translation>Ätherisches Lied: %1, Stufe %2</translation>
    </message>
    <message>
        <source>Celestial Song of %1 ,Level:%2</source>
        <extracomment>A Celestial Song, shown as the Corporeal one.</extracomment>
        <translation>Himmlisches Lied: %1, Stufe %2</translation>
    </message>
    <message>
        <source>%1 Level:%2</source>
        <extracomment>A Skill as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level. The English is the item as a file stores it.</extracomment>
        <translation>%1, Stufe %2</translation>
    </message>
    <message>
        <source>%1 ,Body Hits:%2 ,Charisma:%3 Level:%4 Cost:%5</source>
        <extracomment>A Vessel as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its Body Hits, %3 its Charisma, %4 its level, %5 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, Körpertreffer %2, Charisma %3, Stufe %4, Kosten %5</translation>
    </message>
    <message>
        <source>%1, Level:%2, Status:%3, Cost:%4</source>
        <extracomment>A Role as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level, %3 its status, %4 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, Stufe %2, Status %3, Kosten %4</translation>
    </message>
    <message>
        <source>%1, Level:%2, Class:%3, Cost:%4</source>
        <extracomment>A Servant as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level, %3 its class, %4 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, Stufe %2, Klasse %3, Kosten %4</translation>
    </message>
    <message>
        <source>Corporeal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>A Corporeal Artifact in the lists, the printout and the Markdown and text exports: %1 its description, %2 its level, %3 its modifier, %4 its cost. The English is the item as a file stores it; the realm word agrees with &quot;Artifact&quot;.</extracomment>
        <translation>Körperliches Artefakt: %1, Stufe %2, Modifikator %3, Kosten %4</translation>
    </message>
    <message>
        <source>Ethereal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>An Ethereal Artifact, shown as the Corporeal one.</extracomment>
        <translation>Ätherisches Artefakt: %1, Stufe %2, Modifikator %3, Kosten %4</translation>
    </message>
    <message>
        <source>Celestial Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>A Celestial Artifact, shown as the Corporeal one.</extracomment>
        <translation>Himmlisches Artefakt: %1, Stufe %2, Modifikator %3, Kosten %4</translation>
    </message>
    <message>
        <source>Corporeal Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>A Corporeal Discord in the lists, the printout and the Markdown and text exports: %1 its description, %2 its level, %3 the points it gave. The English is the item as a file stores it; the realm word agrees with &quot;Discord&quot;.</extracomment>
        <translation>Körperliche Dissonanz: %1, Stufe %2, Wert %3</translation>
    </message>
    <message>
        <source>Ethereal Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>An Ethereal Discord, shown as the Corporeal one.</extracomment>
        <translation>Ätherische Dissonanz: %1, Stufe %2, Wert %3</translation>
    </message>
    <message>
        <source>Celestial Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>A Celestial Discord, shown as the Corporeal one.</extracomment>
        <translation>Himmlische Dissonanz: %1, Stufe %2, Wert %3</translation>
    </message>
    <message>
        <source>Do you wish to delete this item?</source>
        <translation>Möchtest du diesen Eintrag löschen?</translation>
    </message>
    <message>
        <source>Nothing Selected for Delete.</source>
        <translation>Nichts zum Löschen ausgewählt.</translation>
    </message>
    <message>
        <source>You must enter an Attunment</source>
        <translation>Du musst eine Einstimmung eingeben</translation>
    </message>
    <message>
        <source>You already have that Attunment.</source>
        <translation>Du hast diese Einstimmung bereits.</translation>
    </message>
    <message>
        <source>Enter a Distinction</source>
        <translation>Auszeichnung eingeben</translation>
    </message>
    <message>
        <source>Enter Extra Attunment</source>
        <translation>Einstimmung eingeben</translation>
    </message>
    <message>
        <source>A &quot;*&quot; on its own cannot be stored: it closes a list in the character file.</source>
        <translation>Ein &quot;*&quot; allein kann nicht gespeichert werden: er schließt eine Liste in der Charakterdatei.</translation>
    </message>
    <message>
        <source>You must enter a Distinction.</source>
        <translation>Du musst eine Auszeichnung eingeben.</translation>
    </message>
    <message>
        <source>You already have that Distinction.</source>
        <translation>Du hast diese Auszeichnung bereits.</translation>
    </message>
    <message>
        <source>You do not have enough Character Points.</source>
        <translation>Du hast nicht genug Charakterpunkte.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <translation>%1, Pfeile</translation>
    </message>
    <message>
        <source>Extra Choir/Band Attunments:</source>
        <translation>Chor/Bande-Einstimmungen:</translation>
    </message>
    <message>
        <source>Extra Choir/Band attunement</source>
        <translation>Zusätzliche Chor/Bande-Einstimmung</translation>
    </message>
    <message>
        <source>Add Choir/Band attunement</source>
        <translation>Chor/Bande-Einstimmung hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Extra Choir/Band attunements</source>
        <translation>Zusätzliche Chor/Bande-Einstimmungen</translation>
    </message>
    <message>
        <source>Extra Superior Attunments:</source>
        <translation>Fürsten-Einstimmungen:</translation>
    </message>
    <message>
        <source>Extra Superior attunement</source>
        <translation>Zusätzliche Fürsten-Einstimmung</translation>
    </message>
    <message>
        <source>Add Superior attunement</source>
        <translation>Fürsten-Einstimmung hinzufügen</translation>
    </message>
    <message>
        <source>Extra Superior attunements</source>
        <translation>Zusätzliche Fürsten-Einstimmungen</translation>
    </message>
    <message>
        <source>Songs page</source>
        <translation>Seite Lieder</translation>
    </message>
    <message>
        <source>Song:</source>
        <translation>Lied:</translation>
    </message>
    <message>
        <source>Song name</source>
        <translation>Name des Liedes</translation>
    </message>
    <message>
        <source>Song type</source>
        <translation>Art des Liedes</translation>
    </message>
    <message>
        <source>Song Type</source>
        <translation>Liedart</translation>
    </message>
    <message>
        <source>Song level</source>
        <translation>Stufe des Liedes</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Lied hinzufügen</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Lieder</translation>
    </message>
    <message>
        <source>Skills page</source>
        <translation>Seite Fertigkeiten</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Fertigkeit:</translation>
    </message>
    <message>
        <source>Skill name</source>
        <translation>Name der Fertigkeit</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Stufe der Fertigkeit</translation>
    </message>
    <message>
        <source>Add Skill</source>
        <translation>Fertigkeit hinzufügen</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fertigkeiten</translation>
    </message>
    <message>
        <source>Vessels page</source>
        <translation>Seite Hüllen</translation>
    </message>
    <message>
        <source>Vessel:</source>
        <translation>Hülle:</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Name der Hülle</translation>
    </message>
    <message>
        <source>Vessel level</source>
        <translation>Stufe der Hülle</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Charisma:</translation>
    </message>
    <message>
        <source>Vessel Charisma</source>
        <translation>Charisma der Hülle</translation>
    </message>
    <message>
        <source>Body Hits</source>
        <translation>Körpertreffer</translation>
    </message>
    <message>
        <source>Body Hits:</source>
        <translation>Körper:</translation>
    </message>
    <message>
        <source>Add Vessel</source>
        <translation>Hülle hinzufügen</translation>
    </message>
    <message>
        <source>Vessels</source>
        <translation>Hüllen</translation>
    </message>
    <message>
        <source>Roles page</source>
        <translation>Seite Rollen</translation>
    </message>
    <message>
        <source>Role:</source>
        <translation>Rolle:</translation>
    </message>
    <message>
        <source>Role name</source>
        <translation>Name der Rolle</translation>
    </message>
    <message>
        <source>Role level</source>
        <translation>Stufe der Rolle</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Role status</source>
        <translation>Status der Rolle</translation>
    </message>
    <message>
        <source>Add Role</source>
        <translation>Rolle hinzufügen</translation>
    </message>
    <message>
        <source>Roles</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Servants page</source>
        <translation>Seite Diener</translation>
    </message>
    <message>
        <source>Servant:</source>
        <translation>Diener:</translation>
    </message>
    <message>
        <source>Servant name</source>
        <translation>Name des Dieners</translation>
    </message>
    <message>
        <source>Servant level</source>
        <translation>Stufe des Dieners</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Klasse:</translation>
    </message>
    <message>
        <source>Servant class</source>
        <translation>Klasse des Dieners</translation>
    </message>
    <message>
        <source>Add Servant</source>
        <translation>Diener hinzufügen</translation>
    </message>
    <message>
        <source>Servants</source>
        <translation>Diener</translation>
    </message>
    <message>
        <source>Artifacts page</source>
        <translation>Seite Artefakte</translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation>Artefakt:</translation>
    </message>
    <message>
        <source>Artifact description</source>
        <translation>Beschreibung des Artefakts</translation>
    </message>
    <message>
        <source>Artifact type</source>
        <translation>Art des Artefakts</translation>
    </message>
    <message>
        <source>Artifact Type</source>
        <translation>Artefaktart</translation>
    </message>
    <message>
        <source>Artifact level</source>
        <translation>Stufe des Artefakts</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Mod.:</translation>
    </message>
    <message>
        <source>Artifact modifier</source>
        <translation>Modifikator des Artefakts</translation>
    </message>
    <message>
        <source>Add Artifact</source>
        <translation>Artefakt hinzufügen</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Artefakte</translation>
    </message>
    <message>
        <source>Discord page</source>
        <translation>Seite Dissonanz</translation>
    </message>
    <message>
        <source>Discord:</source>
        <translation>Dissonanz:</translation>
    </message>
    <message>
        <source>Discord description</source>
        <translation>Beschreibung der Dissonanz</translation>
    </message>
    <message>
        <source>Discord type</source>
        <translation>Art der Dissonanz</translation>
    </message>
    <message>
        <source>Discord Type</source>
        <translation>Dissonanzart</translation>
    </message>
    <message>
        <source>Discord level</source>
        <translation>Stufe der Dissonanz</translation>
    </message>
    <message>
        <source>Add Discord</source>
        <translation>Dissonanz hinzufügen</translation>
    </message>
    <message>
        <source>Discords</source>
        <translation>Dissonanzen</translation>
    </message>
    <message>
        <source>Distinctions page</source>
        <translation>Seite Auszeichnungen</translation>
    </message>
    <message>
        <source>Distinction:</source>
        <translation>Ausz.:</translation>
    </message>
    <message>
        <source>Distinction</source>
        <translation>Auszeichnung</translation>
    </message>
    <message>
        <source>Add Distinction</source>
        <translation>Auszeichnung hinzufügen</translation>
    </message>
    <message>
        <source>Distinctions</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>You must select an Artifact Type.</source>
        <translation>Du musst eine Artefaktart auswählen.</translation>
    </message>
    <message>
        <source>You can not modify this Artifact by this amount.</source>
        <translation>Du kannst dieses Artefakt nicht um diesen Betrag ändern.</translation>
    </message>
    <message>
        <source>Enter Name of Servant</source>
        <translation>Name des Dieners eingeben</translation>
    </message>
    <message>
        <source>Enter Artifact Description</source>
        <translation>Artefakt beschreiben</translation>
    </message>
    <message>
        <source>Enter Discord Description</source>
        <translation>Dissonanz beschreiben</translation>
    </message>
    <message>
        <source>You must enter a Servant Name.</source>
        <translation>Du musst einen Dienernamen eingeben.</translation>
    </message>
    <message>
        <source>This is a duplicate Servant.</source>
        <translation>Diesen Diener gibt es schon.</translation>
    </message>
    <message>
        <source>You must enter an Artifact Description.</source>
        <translation>Du musst eine Artefaktbeschreibung eingeben.</translation>
    </message>
    <message>
        <source>You must first select an Artifact Type.</source>
        <translation>Du musst zuerst eine Artefaktart auswählen.</translation>
    </message>
    <message>
        <source>You already have that Artifact.</source>
        <translation>Du hast dieses Artefakt bereits.</translation>
    </message>
    <message>
        <source>You must enter a Discord Description.</source>
        <translation>Du musst eine Dissonanzbeschreibung eingeben.</translation>
    </message>
    <message>
        <source>You must select a Discord Type.</source>
        <translation>Du musst eine Dissonanzart auswählen.</translation>
    </message>
    <message>
        <source>You already have that Discord.</source>
        <translation>Du hast diese Dissonanz bereits.</translation>
    </message>
    <message>
        <source>Enter Name of Song</source>
        <translation>Name des Liedes eingeben</translation>
    </message>
    <message>
        <source>Enter a Skill</source>
        <translation>Fertigkeit eingeben</translation>
    </message>
    <message>
        <source>You must first enter a Song Name.</source>
        <translation>Du musst zuerst einen Liednamen eingeben.</translation>
    </message>
    <message>
        <source>You must first select a Song Type.</source>
        <translation>Du musst zuerst eine Liedart auswählen.</translation>
    </message>
    <message>
        <source>You already have that song.</source>
        <translation>Du hast dieses Lied bereits.</translation>
    </message>
    <message>
        <source>You must first enter a Skill.</source>
        <translation>Du musst zuerst eine Fertigkeit eingeben.</translation>
    </message>
    <message>
        <source>You already have that Skill.</source>
        <translation>Du hast diese Fertigkeit bereits.</translation>
    </message>
    <message>
        <source>You can not buy this Vessel with this Charisma.</source>
        <translation>Du kannst diese Hülle mit diesem Charisma nicht kaufen.</translation>
    </message>
    <message>
        <source>Enter a Name for this Vessel</source>
        <translation>Namen der Hülle eingeben</translation>
    </message>
    <message>
        <source>Enter a Name for this Role</source>
        <translation>Namen der Rolle eingeben</translation>
    </message>
    <message>
        <source>You must enter a name for this Vessel.</source>
        <translation>Du musst einen Namen für diese Hülle eingeben.</translation>
    </message>
    <message>
        <source>This is a duplicate Vessel.</source>
        <translation>Diese Hülle gibt es schon.</translation>
    </message>
    <message>
        <source>You must enter a name for this Role.</source>
        <translation>Du musst einen Namen für diese Rolle eingeben.</translation>
    </message>
    <message>
        <source>This is a duplicate Role.</source>
        <translation>Diese Rolle gibt es schon.</translation>
    </message>
</context>
<context>
    <name>Quillmark::Sheet</name>
    <message>
        <source>Enter Character Name</source>
        <translation>Charakternamen eingeben</translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation>Charaktername</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Charaktername:</translation>
    </message>
    <message>
        <source>Select Choir or Band</source>
        <translation>Chor oder Bande wählen</translation>
    </message>
    <message>
        <source>Choir/Band</source>
        <translation>Chor/Bande</translation>
    </message>
    <message>
        <source>Choir/Band:</source>
        <translation>Chor/Bande:</translation>
    </message>
    <message>
        <source>Select Superior</source>
        <translation>Fürsten wählen</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Fürst</translation>
    </message>
    <message>
        <source>Superior:</source>
        <translation>Fürst:</translation>
    </message>
    <message>
        <source>Corporeal</source>
        <translation>Körperlich</translation>
    </message>
    <message>
        <source>Corporeal:</source>
        <translation>Körper:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Geschick</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Geschick:</translation>
    </message>
    <message>
        <source>Ethereal</source>
        <translation>Ätherisch</translation>
    </message>
    <message>
        <source>Ethereal:</source>
        <translation>Äther:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligenz</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligenz:</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Präzision</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Präzision:</translation>
    </message>
    <message>
        <source>Celestial</source>
        <translation>Himmlisch</translation>
    </message>
    <message>
        <source>Celestial:</source>
        <translation>Himmel:</translation>
    </message>
    <message>
        <source>Will</source>
        <translation>Wille</translation>
    </message>
    <message>
        <source>Will:</source>
        <translation>Wille:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Wahrnehmung</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Wahrnehm.:</translation>
    </message>
    <message>
        <source>Total Forces</source>
        <translation>Gesamtkräfte</translation>
    </message>
    <message>
        <source>Character Points</source>
        <translation>Charakterpunkte</translation>
    </message>
    <message>
        <source>Character Points:</source>
        <translation>Charakterpunkte:</translation>
    </message>
    <message>
        <source>Mind Hits</source>
        <translation>Geistestreffer</translation>
    </message>
    <message>
        <source>MindHits:</source>
        <translation>Geist:</translation>
    </message>
    <message>
        <source>Soul Hits</source>
        <translation>Seelentreffer</translation>
    </message>
    <message>
        <source>SoulHits:</source>
        <translation>Seele:</translation>
    </message>
    <message>
        <source>Extra Choir/Band Attunements</source>
        <translation>Zusätzliche Chor/Bande-Einstimmungen</translation>
    </message>
    <message>
        <source>** Attunments **</source>
        <translation>** Einstimmungen **</translation>
    </message>
    <message>
        <source>Extra Superior Attunements</source>
        <translation>Zusätzliche Fürsten-Einstimmungen</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Lieder</translation>
    </message>
    <message>
        <source>** Songs **</source>
        <translation>** Lieder **</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Fertigkeiten</translation>
    </message>
    <message>
        <source>** Skills **</source>
        <translation>** Fertigkeiten **</translation>
    </message>
    <message>
        <source>Vessels</source>
        <translation>Hüllen</translation>
    </message>
    <message>
        <source>** Vessels **</source>
        <translation>** Hüllen **</translation>
    </message>
    <message>
        <source>Roles</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>** Roles **</source>
        <translation>** Rollen **</translation>
    </message>
    <message>
        <source>Servants</source>
        <translation>Diener</translation>
    </message>
    <message>
        <source>** Servants **</source>
        <translation>** Diener **</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Artefakte</translation>
    </message>
    <message>
        <source>** Artifacts **</source>
        <translation>** Artefakte **</translation>
    </message>
    <message>
        <source>Discords</source>
        <translation>Dissonanzen</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Dissonanz</translation>
    </message>
    <message>
        <source>** Discords **</source>
        <translation>** Dissonanzen **</translation>
    </message>
    <message>
        <source>Distinctions</source>
        <translation>Auszeichnungen</translation>
    </message>
    <message>
        <source>** Distinctions **</source>
        <translation>** Auszeichnungen **</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Engel</translation>
    </message>
    <message>
        <source>Demon</source>
        <translation>Dämon</translation>
    </message>
    <message>
        <source>Outcast</source>
        <translation>Verstoßener</translation>
    </message>
    <message>
        <source>Renegade</source>
        <translation>Abtrünniger</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>Soldat</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>Untoter</translation>
    </message>
    <message>
        <source>Remnant</source>
        <translation>Überrest</translation>
    </message>
    <message>
        <source>Mundane</source>
        <translation>Sterblicher</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A label before its value, in the exports: &quot;Type: Angel&quot;. French puts a no-break space before the colon.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>keiner gewählt</translation>
    </message>
    <message>
        <source> Character Type </source>
        <translation> Charaktertyp </translation>
    </message>
    <message>
        <source>You have already allocated more Forces.</source>
        <translation>Du hast bereits mehr Kräfte verteilt.</translation>
    </message>
    <message>
        <source>You cannot exceed a Total Forces value of 18.</source>
        <translation>Die Gesamtkräfte können 18 nicht übersteigen.</translation>
    </message>
    <message>
        <source>Current configuration does not allow this Character Type.</source>
        <translation>Die aktuelle Konfiguration erlaubt diesen Charaktertyp nicht.</translation>
    </message>
    <message>
        <source>You can not exceed your total forces.</source>
        <translation>Du kannst deine Gesamtkräfte nicht überschreiten.</translation>
    </message>
    <message>
        <source>You cannot exceed your total forces.</source>
        <translation>Du kannst deine Gesamtkräfte nicht übersteigen.</translation>
    </message>
    <message>
        <source>You can not exceed 6 Forces.</source>
        <translation>Eine Kraft kann 6 nicht überschreiten.</translation>
    </message>
    <message>
        <source>You may not go below 1 force.</source>
        <translation>Du darfst nicht unter 1 Kraft gehen.</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>You must select a Character Type first.</source>
        <translation>Du musst zuerst einen Charaktertyp auswählen.</translation>
    </message>
    <message>
        <source>You must first select a Character Type.</source>
        <translation>Du musst zuerst einen Charaktertyp wählen.</translation>
    </message>
    <message>
        <source>You must first Select a Character Type.</source>
        <translation>Du musst zuerst einen Charaktertyp Wählen.</translation>
    </message>
</context>
<context>
    <name>Quillmark::Shell</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Delete the copy</source>
        <translation>Kopie löschen</translation>
    </message>
    <message>
        <source>The character was copied to the clipboard as Markdown.</source>
        <translation>Der Charakter wurde als Markdown in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>Vestrine Characters (*.qmc)</source>
        <translation>Vestrine-Charaktere (*.qmc)</translation>
    </message>
    <message>
        <source>Save the Report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Save the Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>%1 Forces</source>
        <translation>%1-Kräfte</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>%1 erhöhen</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>%1 senken</translation>
    </message>
    <message>
        <source>Move a point from %1 to %2</source>
        <translation>Einen Punkt von %1 nach %2 verschieben</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Apply %1</source>
        <translation>%1 anwenden</translation>
    </message>
    <message>
        <source>Available Character Types</source>
        <translation>Charaktertypen</translation>
    </message>
    <message>
        <source>Available Resource Types</source>
        <translation>Verfügbare Ressourcen</translation>
    </message>
    <message>
        <source>Character Point Bonus</source>
        <translation>Charakterpunkte-Bonus</translation>
    </message>
    <message>
        <source>Total Forces Bonus</source>
        <translation>Gesamtkräfte-Bonus</translation>
    </message>
    <message>
        <source>Character Generation</source>
        <translation>Charaktererschaffung</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>Hilfe&amp;themen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>This page is switched off. Check &quot;%1&quot; on the Configuration page to show it.</source>
        <translation>Diese Seite ist ausgeschaltet. Kreuze &quot;%1&quot; auf der Seite Konfiguration an, um sie zu zeigen.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Schreiben nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Schreiben nach %1 nicht möglich</translation>
    </message>
    <message>
        <source>Unable to write to %1: the settings would take %2 bytes, more than the %3 bytes a settings file may hold; the file was left as it was</source>
        <translation>Schreiben nach %1 nicht möglich: die Einstellungen bräuchten %2 Bytes, mehr als die %3 Bytes, die eine Einstellungsdatei fassen darf; die Datei blieb unverändert</translation>
    </message>
    <message>
        <source>The settings file %1 was ignored: %2. Every character type and resource kind is offered, and closing the window leaves that file as it is.</source>
        <translation>Die Einstellungsdatei %1 wurde übergangen: %2. Jeder Charaktertyp und jede Ressourcenart wird angeboten, und beim Schließen des Fensters bleibt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>The unsaved question&apos;s button that closes the character without saving it.</extracomment>
        <translation>Verwerfen</translation>
    </message>
</context>
<context>
    <name>ReportPreviewDialog</name>
    <message>
        <source>P&amp;revious page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
</context>
<context>
    <name>ReportSetupDialog</name>
    <message>
        <source>Report Setup</source>
        <translation>Berichtseinrichtung</translation>
    </message>
    <message>
        <source>Send the report to</source>
        <translation>Bericht senden an</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation>&amp;Drucker</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>PDF-Da&amp;tei</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Collate</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation>Einseitig</translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation>Beidseitig, lange Kante</translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation>Beidseitig, kurze Kante</translation>
    </message>
    <message>
        <source>Printer &amp;setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>An&amp;zahl:</translation>
    </message>
    <message>
        <source>&amp;Duplex:</source>
        <translation>&amp;Beidseitig:</translation>
    </message>
    <message>
        <source>&amp;File (PDF, Markdown, text or JSON)</source>
        <translation>Da&amp;tei (PDF, Markdown, Text oder JSON)</translation>
    </message>
    <message>
        <source>Clip&amp;board, as Markdown</source>
        <translation>&amp;Zwischenablage, als Markdown</translation>
    </message>
</context>
<context>
    <name>ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation>Berichtsstatus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SheetSafety</name>
    <message>
        <source>Quillmark[*]</source>
        <translation>Quillmark[*]</translation>
    </message>
    <message>
        <source>%1[*] - Quillmark</source>
        <translation>%1[*] - Quillmark</translation>
    </message>
    <message>
        <source>No recovery copy of the character could be written into %1: %2</source>
        <translation>Es konnte keine Wiederherstellungskopie des Charakters in %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmark</source>
        <translation>Über Quillmark</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version: 1.0 -  6/1/99</source>
        <translation>Version: 1.0 -  1.6.99</translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game: pick a type, share out Forces, and spend Character Points on Songs, Skills, Vessels and more.</source>
        <translation>Erschafft Charaktere für Vestrine: Typ wählen, Kräfte verteilen, Punkte für Lieder, Fertigkeiten, Hüllen und mehr ausgeben.</translation>
    </message>
    <message>
        <source>Characters are saved as plain text files and printed from a sheet layout of your choosing.</source>
        <translation>Charaktere werden als Textdateien gespeichert und mit einem Layout deiner Wahl gedruckt.</translation>
    </message>
    <message>
        <source>Vestrine (R) Character Creator</source>
        <translation>Vestrine (R) Charaktererschaffung</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>The main window has no control named %1</source>
        <translation>Das Hauptfenster hat kein Steuerelement namens %1</translation>
    </message>
    <message>
        <source>Only the first of the %1 files dropped was opened; the others were not.</source>
        <translation>Nur die erste der %1 abgelegten Dateien wurde geöffnet, die anderen nicht.</translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Raise %1</source>
        <translation>%1 erhöhen</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>%1 senken</translation>
    </message>
</context>
</TS>
