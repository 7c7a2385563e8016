<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>HelpWindow</name>
    <message>
        <source>topic %1</source>
        <translation>rubrique %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>The help page you asked for (%1) could not be found. Quillmark itself is not affected: close this window and carry on with your work.</source>
        <translation>La page d&apos;aide demandée (%1) est introuvable. Quillmark lui-même n&apos;est pas touché&#xa0;: fermez cette fenêtre et reprenez votre travail.</translation>
    </message>
    <message>
        <source>Quillmark Help</source>
        <translation>Aide de Quillmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
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
        <translation>L&apos;image du programme&#xa0;: une plume qui écrit sur un parchemin roulé sous un ciel nocturne</translation>
    </message>
</context>
<context>
    <name>Quillmark::Cli</name>
    <message>
        <source>quillmark: %1 of %2: %3
</source>
        <translation>quillmark: %1 sur %2&#xa0;: %3
</translation>
    </message>
    <message>
        <source>the export could not be written to standard output</source>
        <translation>l&apos;export n&apos;a pas pu être écrit sur la sortie standard</translation>
    </message>
    <message>
        <source>its export %1 would replace a character file; nothing was written.</source>
        <translation>son export %1 remplacerait un fichier de personnage&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>its export %1 is also the export of an earlier file; nothing was written.</source>
        <translation>son export %1 est aussi l&apos;export d&apos;un fichier précédent&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Essayez «&#xa0;%1 --help&#xa0;» pour en savoir plus.
</translation>
    </message>
    <message>
        <source>--layout is used only with --pdf; the window prints with qmsheet.rav.</source>
        <translation>--layout ne sert qu&apos;avec --pdf&#xa0;; la fenêtre imprime avec qmsheet.rav.</translation>
    </message>
    <message>
        <source>only one character file can be opened at a time, but %1 were given.</source>
        <translation>un seul fichier de personnage peut être ouvert à la fois, mais %1 ont été donnés.</translation>
    </message>
    <message>
        <source>the file name is empty.</source>
        <translation>le nom de fichier est vide.</translation>
    </message>
    <message>
        <source>--%1 and --layout can each be given only once.</source>
        <translation>--%1 et --layout ne peuvent être donnés qu&apos;une fois chacun.</translation>
    </message>
    <message>
        <source>--layout is used only with --pdf.</source>
        <translation>--layout ne sert qu&apos;avec --pdf.</translation>
    </message>
    <message>
        <source>the name after --%1 or --layout is empty.</source>
        <translation>le nom après --%1 ou --layout est vide.</translation>
    </message>
    <message>
        <source>--pdf needs at least one character file to print.</source>
        <translation>--pdf a besoin d&apos;au moins un fichier de personnage à imprimer.</translation>
    </message>
    <message>
        <source>--%1 needs at least one character file to export.</source>
        <translation>--%1 a besoin d&apos;au moins un fichier de personnage à exporter.</translation>
    </message>
    <message>
        <source>standard output (-) takes one character file, but %1 were given.</source>
        <translation>la sortie standard (-) prend un seul fichier de personnage, mais %1 ont été donnés.</translation>
    </message>
    <message>
        <source>there is no folder %1.</source>
        <translation>il n&apos;y a pas de dossier %1.</translation>
    </message>
    <message>
        <source>%1 character files need a folder to go into, but %2 is not a folder.</source>
        <translation>%1 fichiers de personnage ont besoin d&apos;un dossier où aller, mais %2 n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>only one of --pdf, --json, --markdown and --text can be given.</source>
        <translation>une seule des options --pdf, --json, --markdown et --text peut être donnée.</translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game.</source>
        <translation>Crée des personnages joueurs pour le jeu de rôle Vestrine.</translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>With --pdf: print with this layout instead of qmsheet.rav.</source>
        <translation>Avec --pdf&#xa0;: imprimer avec ce modèle au lieu de qmsheet.rav.</translation>
    </message>
    <message>
        <source>A character file (*.qmc) to open at the start, or to print with --pdf.</source>
        <translation>Un fichier de personnage (*.qmc) à ouvrir au démarrage, ou à imprimer avec --pdf.</translation>
    </message>
    <message>
        <source>quillmark: the output could not be written
</source>
        <translation>quillmark: la sortie n&apos;a pas pu être écrite
</translation>
    </message>
    <message>
        <source>%1 (answered No)</source>
        <translation>%1 (réponse&#xa0;: Non)</translation>
    </message>
    <message>
        <source>the layout printed nothing; %1 was not written.</source>
        <translation>le modèle n&apos;a rien imprimé&#xa0;; %1 n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>its PDF %1 would replace a character file; nothing was written.</source>
        <translation>son PDF %1 remplacerait un fichier de personnage&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>its PDF %1 is also the PDF of an earlier file; nothing was written.</source>
        <translation>son PDF %1 est aussi le PDF d&apos;un fichier précédent&#xa0;; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>quillmark: the platform %1 could not be started; unset QT_QPA_PLATFORM to print without a display
</source>
        <translation>quillmark: la plateforme %1 n&apos;a pas pu être démarrée&#xa0;; retirez QT_QPA_PLATFORM pour imprimer sans affichage
</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>In --help: stands for a character file given on the command line. Capitals, one word.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>OUT</source>
        <extracomment>In --help: stands for the PDF or export file, or the folder, written to. Capitals, one word.</extracomment>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>NAME</source>
        <extracomment>In --help: stands for a character file&apos;s name without its extension (&quot;NAME.pdf&quot;).</extracomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Print the sheet of %1 into %2, a PDF file, or of each %1 into %3.pdf in the folder %2, and leave; no window is shown.</source>
        <extracomment>%1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).</extracomment>
        <translation>Imprimer la feuille de %1 dans %2, un fichier PDF, ou celle de chaque %1 dans %3.pdf dans le dossier %2, et quitter&#xa0;; aucune fenêtre n&apos;est affichée.</translation>
    </message>
    <message>
        <source>Export the character of %1 into %2 as JSON, or of each %1 into %3.json in the folder %2, and leave; %2 - is standard output.</source>
        <extracomment>%1 stands for a character file, %2 for the output, %3 for a name (FILE, OUT, NAME).</extracomment>
        <translation>Exporter le personnage de %1 dans %2 en JSON, ou celui de chaque %1 dans %3.json dans le dossier %2, et quitter&#xa0;; %2 - est la sortie standard.</translation>
    </message>
    <message>
        <source>The same as Markdown, into %1 or %2.md in the folder %1.</source>
        <extracomment>%1 stands for the output, %2 for a name (OUT, NAME).</extracomment>
        <translation>La même chose en Markdown, dans %1 ou %2.md dans le dossier %1.</translation>
    </message>
    <message>
        <source>The same as plain text, into %1 or %2.txt in the folder %1.</source>
        <extracomment>%1 stands for the output, %2 for a name (OUT, NAME).</extracomment>
        <translation>La même chose en texte brut, dans %1 ou %2.txt dans le dossier %1.</translation>
    </message>
    <message>
        <source>FILE</source>
        <comment>a layout</comment>
        <extracomment>In --help: stands for the name of a print layout, before its extension (&quot;FILE.rav&quot;).</extracomment>
        <translation>MODÈLE</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [%2]
       %1 --pdf %3 [--layout %4.rav] %2...
       %1 --json|--markdown|--text %3 %2...</source>
        <extracomment>%1 is the program, %2 stands for a character file, %3 for the output, %4 for a layout (FILE, OUT, FILE).</extracomment>
        <translation>Usage&#xa0;: %1 [options] [%2]
        %1 --pdf %3 [--layout %4.rav] %2...
        %1 --json|--markdown|--text %3 %2...</translation>
    </message>
</context>
<context>
    <name>Quillmark::Common</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
    <message>
        <source>it is too large: %1, where %2 may have at most %3</source>
        <translation>il est trop grand&#xa0;: %1, alors que %2 peut avoir au plus %3</translation>
    </message>
    <message>
        <source>it would make the program wait for more to read, as no regular file does</source>
        <translation>il ferait attendre le programme pour lire la suite, ce que ne fait aucun fichier ordinaire</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation>c&apos;est un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est une socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its name cannot be read, as it is not valid UTF-8</source>
        <translation>son nom ne peut pas être lu, car ce n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>a character file</source>
        <translation>un fichier de personnage</translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation>un fichier de réglages</translation>
    </message>
    <message>
        <source>a report layout</source>
        <translation>un modèle de feuille</translation>
    </message>
    <message>
        <source>an image file</source>
        <translation>un fichier image</translation>
    </message>
    <message>
        <source>it exists and is not %1</source>
        <translation>il existe et n&apos;est pas %1</translation>
    </message>
    <message>
        <source>it is a character file, which only Save replaces</source>
        <translation>c&apos;est un fichier de personnage, que seul Enregistrer remplace</translation>
    </message>
    <message>
        <source>it is a link to a missing file</source>
        <translation>c&apos;est un lien vers un fichier manquant</translation>
    </message>
    <message>
        <source>it kept changing while it was being written</source>
        <translation>il n&apos;a cessé de changer pendant son écriture</translation>
    </message>
    <message>
        <source> (%1 characters)</source>
        <translation> (%1&#xa0;caractères)</translation>
    </message>
    <message>
        <source>a file</source>
        <translation>un fichier</translation>
    </message>
    <message>
        <source>a PDF</source>
        <translation>un PDF</translation>
    </message>
    <message>
        <source>a file an export may replace: it is a report layout or a settings file</source>
        <translation>un fichier qu&apos;un export peut remplacer&#xa0;: c&apos;est un modèle de feuille ou un fichier de réglages</translation>
    </message>
    <message>
        <source>an earlier JSON export</source>
        <translation>un export JSON précédent</translation>
    </message>
    <message>
        <source>an earlier Markdown export</source>
        <translation>un export Markdown précédent</translation>
    </message>
    <message>
        <source>an earlier plain text export</source>
        <translation>un export texte brut précédent</translation>
    </message>
    <message>
        <source>a recovery note</source>
        <translation>une note de récupération</translation>
    </message>
    <message>
        <source>Character</source>
        <extracomment>The name a file is offered under while the character has none: &quot;Character.qmc&quot;, &quot;Character.pdf&quot;. A word of one file name: no &quot;/&quot;.</extracomment>
        <translation>Personnage</translation>
    </message>
</context>
<context>
    <name>Quillmark::Export</name>
    <message>
        <source>Realm</source>
        <translation>Sphère</translation>
    </message>
    <message>
        <source>Forces</source>
        <translation>Forces</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file Quillmark reads; an export never replaces it.</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier que Quillmark lit&#xa0;; un export ne le remplace jamais.</translation>
    </message>
    <message>
        <source>The export cannot be written to &quot;%1&quot;: %2; it was left as it is</source>
        <translation>L&apos;export ne peut pas être écrit dans «&#xa0;%1&#xa0;»&#xa0;: %2&#xa0;; le fichier a été laissé tel quel</translation>
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
        <translation>Texte brut</translation>
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
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2. Le personnage n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Quillmark ended before a character was saved. Restore it?</source>
        <translation>Quillmark s&apos;est arrêté avant qu&apos;un personnage soit enregistré. Le restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; cannot be read as a character: %2. It was left where it is.</source>
        <translation>La copie de récupération «&#xa0;%1&#xa0;» ne peut pas être lue comme un personnage&#xa0;: %2. Elle a été laissée où elle est.</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; cannot be read as a character: %2. It was set aside as &quot;%3&quot;.</source>
        <translation>La copie de récupération «&#xa0;%1&#xa0;» ne peut pas être lue comme un personnage&#xa0;: %2. Elle a été mise de côté sous le nom «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>Quillmark ended before the character &quot;%1&quot; was saved. Restore it?</source>
        <translation>Quillmark s&apos;est arrêté avant que le personnage «&#xa0;%1&#xa0;» soit enregistré. Le restaurer&#xa0;?</translation>
    </message>
    <message>
        <source>Line %1 of the character file is too long: %2; a value may have at most %3 characters</source>
        <translation>La ligne %1 du fichier de personnage est trop longue&#xa0;: %2&#xa0;; une valeur peut avoir au plus %3 caractères</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: %2</source>
        <translation>Le fichier de personnage «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: it holds more than %2 items</source>
        <translation>Le fichier de personnage «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: il contient plus de %2 entrées</translation>
    </message>
    <message>
        <source>This will clear all current work.  Are you sure?</source>
        <translation>Tout le travail en cours sera effacé. Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>You must select a character file.</source>
        <translation>Vous devez choisir un fichier de personnage.</translation>
    </message>
    <message>
        <source>You must enter a file name.</source>
        <translation>Vous devez saisir un nom de fichier.</translation>
    </message>
    <message>
        <source>The character file ended before all of its lists were read. The character was loaded as far as the file goes; some lists may be incomplete.</source>
        <translation>Le fichier de personnage s&apos;est terminé avant que toutes ses listes soient lues. Le personnage a été chargé aussi loin que va le fichier&#xa0;; certaines listes peuvent être incomplètes.</translation>
    </message>
    <message>
        <source>The character has been changed. Do you want to save it?</source>
        <translation>Le personnage a été modifié. Voulez-vous l&apos;enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier incorrect</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Saisie numérique incorrecte</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;E/S %1</translation>
    </message>
</context>
<context>
    <name>Quillmark::Print</name>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>The report layout has no page &quot;%1&quot;; nothing was printed.</source>
        <translation>Le modèle de feuille n&apos;a pas de page «&#xa0;%1&#xa0;»&#xa0;; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; of the report layout has no component &quot;%2&quot;; nothing was printed.</source>
        <translation>La page «&#xa0;%1&#xa0;» du modèle de feuille n&apos;a pas de composant «&#xa0;%2&#xa0;»&#xa0;; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a memo field; nothing was printed.</source>
        <translation>Le composant «&#xa0;%1&#xa0;» du modèle de feuille n&apos;est pas un champ memo&#xa0;; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a text field; nothing was printed.</source>
        <translation>Le composant «&#xa0;%1&#xa0;» du modèle de feuille n&apos;est pas un champ text&#xa0;; rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The following reporting projects do not exist:<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>&quot;%2&quot;</source>
        <translation>Les modèles de feuille suivants n&apos;existent pas&#xa0;:<byte value="xd"/>«&#xa0;%1&#xa0;»<byte value="xd"/>«&#xa0;%2&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Quillmark::Report</name>
    <message>
        <source>The report component asked for is not a text or memo field</source>
        <translation>Le composant demandé n&apos;est pas un champ text ou memo</translation>
    </message>
    <message>
        <source>The report component asked for is not a memo field</source>
        <translation>Le composant demandé n&apos;est pas un champ memo</translation>
    </message>
    <message>
        <source>the image %1 must be a file name in the layout&apos;s own folder</source>
        <translation>l&apos;image %1 doit être un nom de fichier du dossier du modèle</translation>
    </message>
    <message>
        <source>the image %1 cannot be read: %2</source>
        <translation>l&apos;image %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>the image %1 is too large: %2 by %3 pixels, where an image may have at most %4 million pixels</source>
        <translation>l&apos;image %1 est trop grande&#xa0;: %2 sur %3 pixels, alors qu&apos;une image peut avoir au plus %4 millions de pixels</translation>
    </message>
    <message>
        <source>the image %1 cannot be read</source>
        <translation>l&apos;image %1 ne peut pas être lue</translation>
    </message>
    <message>
        <source>the image %1 is one too many: with it the layout&apos;s images would have %2 million pixels, where all of them together may have at most %3 million</source>
        <translation>l&apos;image %1 est de trop&#xa0;: avec elle, les images du modèle auraient %2 millions de pixels, alors qu&apos;elles peuvent en avoir au plus %3 millions ensemble</translation>
    </message>
    <message>
        <source>The reporting project &quot;%1&quot; is damaged in line %2: %3</source>
        <translation>Le modèle de feuille «&#xa0;%1&#xa0;» est endommagé à la ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 may not hold %2</source>
        <translation>%1 ne peut pas contenir %2</translation>
    </message>
    <message>
        <source>%1 has no attribute %2</source>
        <translation>%1 n&apos;a pas d&apos;attribut %2</translation>
    </message>
    <message>
        <source>%1 needs the attribute &quot;%2&quot;</source>
        <translation>%1 a besoin de l&apos;attribut «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>the %1 name %2 must not be empty or hold a &quot;.&quot;</source>
        <translation>le nom %2 de %1 ne doit pas être vide ni contenir de «&#xa0;.&#xa0;»</translation>
    </message>
    <message>
        <source>there is a second %1 named %2</source>
        <translation>il y a un second %1 nommé %2</translation>
    </message>
    <message>
        <source>%1 is no valid value for &quot;%2&quot; (a number from %3 to %4)</source>
        <translation>%1 n&apos;est pas une valeur valide pour «&#xa0;%2&#xa0;» (un nombre de %3 à %4)</translation>
    </message>
    <message>
        <source>a report layout starts with &lt;project&gt;</source>
        <translation>un modèle de feuille commence par &lt;project&gt;</translation>
    </message>
    <message>
        <source>&lt;project&gt; may hold only &lt;report&gt;, not %1</source>
        <translation>&lt;project&gt; ne peut contenir que &lt;report&gt;, pas %1</translation>
    </message>
    <message>
        <source>&lt;report&gt; may hold only &lt;page&gt;, not %1</source>
        <translation>&lt;report&gt; ne peut contenir que &lt;page&gt;, pas %1</translation>
    </message>
    <message>
        <source>a report needs at least one page</source>
        <translation>une feuille a besoin d&apos;au moins une page</translation>
    </message>
    <message>
        <source>unknown paper %1</source>
        <translation>papier %1 inconnu</translation>
    </message>
    <message>
        <source>a page needs a width and a height above 0</source>
        <translation>une page a besoin d&apos;une largeur et d&apos;une hauteur supérieures à 0</translation>
    </message>
    <message>
        <source>a page may be at most %1 mm wide and high</source>
        <translation>une page peut mesurer au plus %1 mm de large et de haut</translation>
    </message>
    <message>
        <source>orientation is &quot;portrait&quot; or &quot;landscape&quot;, not %1</source>
        <translation>l&apos;orientation est «&#xa0;portrait&#xa0;» ou «&#xa0;landscape&#xa0;», pas %1</translation>
    </message>
    <message>
        <source>unknown unit %1</source>
        <translation>unité %1 inconnue</translation>
    </message>
    <message>
        <source>there is a second component named %1</source>
        <translation>il y a un second composant nommé %1</translation>
    </message>
    <message>
        <source>unknown component %1</source>
        <translation>composant %1 inconnu</translation>
    </message>
    <message>
        <source>a text or memo field needs a name</source>
        <translation>un champ text ou memo a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>The following reporting project does not exist:<byte value="xd"/>&quot;%1&quot;</source>
        <translation>Le modèle de feuille suivant n&apos;existe pas&#xa0;:<byte value="xd"/>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The reporting project &quot;%1&quot; cannot be read: %2</source>
        <translation>Le modèle de feuille «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not one of %2</source>
        <translation>%1 n&apos;est pas l&apos;une des valeurs %2</translation>
    </message>
    <message>
        <source>%1 is not a colour (write #rrggbb or a colour name)</source>
        <translation>%1 n&apos;est pas une couleur (écrivez #rrggbb ou un nom de couleur)</translation>
    </message>
    <message>
        <source>Quillmark Report</source>
        <translation>Feuille Quillmark</translation>
    </message>
    <message>
        <source>Generating page %1</source>
        <translation>Création de la page %1</translation>
    </message>
    <message>
        <source>The report cannot be written to %1</source>
        <translation>La feuille ne peut pas être écrite dans %1</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Impression de la page %1</translation>
    </message>
    <message>
        <source>The report could not be finished on %1</source>
        <translation>La feuille n&apos;a pas pu être terminée sur %1</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2; it was left as it is</source>
        <translation>La feuille ne peut pas être écrite dans %1&#xa0;: %2&#xa0;; le fichier a été laissé tel quel</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation>le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>La feuille ne peut pas être écrite dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The report could not be finished on %1: %2</source>
        <translation>La feuille n&apos;a pas pu être terminée sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The report would take more than %1 pages; nothing was printed</source>
        <translation>La feuille prendrait plus de %1 pages&#xa0;; rien n&apos;a été imprimé</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There is no printer to print on; choose one under &quot;Printer setup&quot; or send the report to a PDF file</source>
        <translation>Il n&apos;y a aucune imprimante&#xa0;; choisissez-en une dans «&#xa0;Réglages de l&apos;imprimante&#xa0;» ou envoyez la feuille vers un fichier PDF</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l&apos;imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Quillmark::Resources</name>
    <message>
        <source>Corporeal Song of %1 ,Level:%2</source>
        <extracomment>A Corporeal Song in the lists, the printout and the Markdown and text exports: %1 its name, %2 its level. The English is the item as a character file stores it; the realm word agrees with &quot;Song&quot;.</extracomment>
        <translation>Chant corporel&#xa0;: %1, niveau %2</translation>
    </message>
    <message>
        <source>Ethereal Song of %1 ,Level:%2</source>
        <extracomment>An Ethereal Song, shown as the Corporeal one.</extracomment>
        <translation>Chant éthéré&#xa0;: %1, niveau %2</translation>
    </message>
    <message>
        <source>Celestial Song of %1 ,Level:%2</source>
        <extracomment>A Celestial Song, shown as the Corporeal one.</extracomment>
        <translation>Chant céleste&#xa0;: %1, niveau %2</translation>
    </message>
    <message>
        <source>%1 Level:%2</source>
        <extracomment>A Skill as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level. The English is the item as a file stores it.</extracomment>
        <translation>%1, niveau %2</translation>
    </message>
    <message>
        <source>%1 ,Body Hits:%2 ,Charisma:%3 Level:%4 Cost:%5</source>
        <extracomment>A Vessel as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its Body Hits, %3 its Charisma, %4 its level, %5 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, points de corps %2, charisme %3, niveau %4, coût %5</translation>
    </message>
    <message>
        <source>%1, Level:%2, Status:%3, Cost:%4</source>
        <extracomment>A Role as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level, %3 its status, %4 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, niveau %2, statut %3, coût %4</translation>
    </message>
    <message>
        <source>%1, Level:%2, Class:%3, Cost:%4</source>
        <extracomment>A Servant as the lists, the printout and the Markdown and text exports show it: %1 its name, %2 its level, %3 its class, %4 its cost. The English is the item as a file stores it.</extracomment>
        <translation>%1, niveau %2, classe %3, coût %4</translation>
    </message>
    <message>
        <source>Corporeal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>A Corporeal Artifact in the lists, the printout and the Markdown and text exports: %1 its description, %2 its level, %3 its modifier, %4 its cost. The English is the item as a file stores it; the realm word agrees with &quot;Artifact&quot;.</extracomment>
        <translation>Artefact corporel&#xa0;: %1, niveau %2, modificateur %3, coût %4</translation>
    </message>
    <message>
        <source>Ethereal Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>An Ethereal Artifact, shown as the Corporeal one.</extracomment>
        <translation>Artefact éthéré&#xa0;: %1, niveau %2, modificateur %3, coût %4</translation>
    </message>
    <message>
        <source>Celestial Artifact of %1 ,Level:%2 ,Modifier:%3 ,Cost:%4</source>
        <extracomment>A Celestial Artifact, shown as the Corporeal one.</extracomment>
        <translation>Artefact céleste&#xa0;: %1, niveau %2, modificateur %3, coût %4</translation>
    </message>
    <message>
        <source>Corporeal Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>A Corporeal Discord in the lists, the printout and the Markdown and text exports: %1 its description, %2 its level, %3 the points it gave. The English is the item as a file stores it; the realm word agrees with &quot;Discord&quot;.</extracomment>
        <translation>Discorde corporelle&#xa0;: %1, niveau %2, valeur %3</translation>
    </message>
    <message>
        <source>Ethereal Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>An Ethereal Discord, shown as the Corporeal one.</extracomment>
        <translation>Discorde éthérée&#xa0;: %1, niveau %2, valeur %3</translation>
    </message>
    <message>
        <source>Celestial Discord of %1 ,Level:%2 ,Cost:%3</source>
        <extracomment>A Celestial Discord, shown as the Corporeal one.</extracomment>
        <translation>Discorde céleste&#xa0;: %1, niveau %2, valeur %3</translation>
    </message>
    <message>
        <source>Do you wish to delete this item?</source>
        <translation>Voulez-vous supprimer cette entrée&#xa0;?</translation>
    </message>
    <message>
        <source>Nothing Selected for Delete.</source>
        <translation>Rien n&apos;est sélectionné pour la suppression.</translation>
    </message>
    <message>
        <source>You must enter an Attunment</source>
        <translation>Vous devez saisir un accord</translation>
    </message>
    <message>
        <source>You already have that Attunment.</source>
        <translation>Vous avez déjà cet accord.</translation>
    </message>
    <message>
        <source>Enter a Distinction</source>
        <translation>Saisir une Distinction</translation>
    </message>
    <message>
        <source>Enter Extra Attunment</source>
        <translation>Saisir un accord</translation>
    </message>
    <message>
        <source>A &quot;*&quot; on its own cannot be stored: it closes a list in the character file.</source>
        <translation>Un «&#xa0;*&#xa0;» seul ne peut pas être enregistré&#xa0;: il ferme une liste dans le fichier de personnage.</translation>
    </message>
    <message>
        <source>You must enter a Distinction.</source>
        <translation>Vous devez saisir une Distinction.</translation>
    </message>
    <message>
        <source>You already have that Distinction.</source>
        <translation>Vous avez déjà cette Distinction.</translation>
    </message>
    <message>
        <source>You do not have enough Character Points.</source>
        <translation>Vous n&apos;avez pas assez de points de personnage.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <translation>%1, flèches</translation>
    </message>
    <message>
        <source>Extra Choir/Band Attunments:</source>
        <translation>Accords avec le Chœur/la Bande&#xa0;:</translation>
    </message>
    <message>
        <source>Extra Choir/Band attunement</source>
        <translation>Accord supplémentaire avec le Chœur/la Bande</translation>
    </message>
    <message>
        <source>Add Choir/Band attunement</source>
        <translation>Ajouter l&apos;accord avec le Chœur/la Bande</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Extra Choir/Band attunements</source>
        <translation>Accords supplémentaires avec le Chœur/la Bande</translation>
    </message>
    <message>
        <source>Extra Superior Attunments:</source>
        <translation>Accords avec le Supérieur&#xa0;:</translation>
    </message>
    <message>
        <source>Extra Superior attunement</source>
        <translation>Accord supplémentaire avec le Supérieur</translation>
    </message>
    <message>
        <source>Add Superior attunement</source>
        <translation>Ajouter l&apos;accord avec le Supérieur</translation>
    </message>
    <message>
        <source>Extra Superior attunements</source>
        <translation>Accords supplémentaires avec le Supérieur</translation>
    </message>
    <message>
        <source>Songs page</source>
        <translation>Page Chants</translation>
    </message>
    <message>
        <source>Song:</source>
        <translation>Chant&#xa0;:</translation>
    </message>
    <message>
        <source>Song name</source>
        <translation>Nom du Chant</translation>
    </message>
    <message>
        <source>Song type</source>
        <translation>Type du Chant</translation>
    </message>
    <message>
        <source>Song Type</source>
        <translation>Type de Chant</translation>
    </message>
    <message>
        <source>Song level</source>
        <translation>Niveau du Chant</translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation>Ajouter le Chant</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Chants</translation>
    </message>
    <message>
        <source>Skills page</source>
        <translation>Page Talents</translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation>Talent&#xa0;:</translation>
    </message>
    <message>
        <source>Skill name</source>
        <translation>Nom du Talent</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Niveau du Talent</translation>
    </message>
    <message>
        <source>Add Skill</source>
        <translation>Ajouter le Talent</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Talents</translation>
    </message>
    <message>
        <source>Vessels page</source>
        <translation>Page Corps</translation>
    </message>
    <message>
        <source>Vessel:</source>
        <translation>Corps&#xa0;:</translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation>Nom du Corps</translation>
    </message>
    <message>
        <source>Vessel level</source>
        <translation>Niveau du Corps</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Charis.&#xa0;:</translation>
    </message>
    <message>
        <source>Vessel Charisma</source>
        <translation>Charisme du Corps</translation>
    </message>
    <message>
        <source>Body Hits</source>
        <translation>Points de corps</translation>
    </message>
    <message>
        <source>Body Hits:</source>
        <translation>Pts corps&#xa0;:</translation>
    </message>
    <message>
        <source>Add Vessel</source>
        <translation>Ajouter le Corps</translation>
    </message>
    <message>
        <source>Vessels</source>
        <translation>Corps</translation>
    </message>
    <message>
        <source>Roles page</source>
        <translation>Page Rôles</translation>
    </message>
    <message>
        <source>Role:</source>
        <translation>Rôle&#xa0;:</translation>
    </message>
    <message>
        <source>Role name</source>
        <translation>Nom du Rôle</translation>
    </message>
    <message>
        <source>Role level</source>
        <translation>Niveau du Rôle</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Statut&#xa0;:</translation>
    </message>
    <message>
        <source>Role status</source>
        <translation>Statut du Rôle</translation>
    </message>
    <message>
        <source>Add Role</source>
        <translation>Ajouter le Rôle</translation>
    </message>
    <message>
        <source>Roles</source>
        <translation>Rôles</translation>
    </message>
    <message>
        <source>Servants page</source>
        <translation>Page Serviteurs</translation>
    </message>
    <message>
        <source>Servant:</source>
        <translation>Serviteur&#xa0;:</translation>
    </message>
    <message>
        <source>Servant name</source>
        <translation>Nom du Serviteur</translation>
    </message>
    <message>
        <source>Servant level</source>
        <translation>Niveau du Serviteur</translation>
    </message>
    <message>
        <source>Class:</source>
        <translation>Classe&#xa0;:</translation>
    </message>
    <message>
        <source>Servant class</source>
        <translation>Classe du Serviteur</translation>
    </message>
    <message>
        <source>Add Servant</source>
        <translation>Ajouter le Serviteur</translation>
    </message>
    <message>
        <source>Servants</source>
        <translation>Serviteurs</translation>
    </message>
    <message>
        <source>Artifacts page</source>
        <translation>Page Artefacts</translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation>Artefact&#xa0;:</translation>
    </message>
    <message>
        <source>Artifact description</source>
        <translation>Description de l&apos;Artefact</translation>
    </message>
    <message>
        <source>Artifact type</source>
        <translation>Type de l&apos;Artefact</translation>
    </message>
    <message>
        <source>Artifact Type</source>
        <translation>Type d&apos;Artefact</translation>
    </message>
    <message>
        <source>Artifact level</source>
        <translation>Niveau de l&apos;Artefact</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modif.&#xa0;:</translation>
    </message>
    <message>
        <source>Artifact modifier</source>
        <translation>Modificateur de l&apos;Artefact</translation>
    </message>
    <message>
        <source>Add Artifact</source>
        <translation>Ajouter l&apos;Artefact</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Artefacts</translation>
    </message>
    <message>
        <source>Discord page</source>
        <translation>Page Discorde</translation>
    </message>
    <message>
        <source>Discord:</source>
        <translation>Discorde&#xa0;:</translation>
    </message>
    <message>
        <source>Discord description</source>
        <translation>Description de la Discorde</translation>
    </message>
    <message>
        <source>Discord type</source>
        <translation>Type de la Discorde</translation>
    </message>
    <message>
        <source>Discord Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Discord level</source>
        <translation>Niveau de la Discorde</translation>
    </message>
    <message>
        <source>Add Discord</source>
        <translation>Ajouter la Discorde</translation>
    </message>
    <message>
        <source>Discords</source>
        <translation>Discordes</translation>
    </message>
    <message>
        <source>Distinctions page</source>
        <translation>Page Distinctions</translation>
    </message>
    <message>
        <source>Distinction:</source>
        <translation>Distinct.&#xa0;:</translation>
    </message>
    <message>
        <source>Distinction</source>
        <translation>Distinction</translation>
    </message>
    <message>
        <source>Add Distinction</source>
        <translation>Ajouter la Distinction</translation>
    </message>
    <message>
        <source>Distinctions</source>
        <translation>Distinctions</translation>
    </message>
    <message>
        <source>You must select an Artifact Type.</source>
        <translation>Vous devez choisir un type d&apos;Artefact.</translation>
    </message>
    <message>
        <source>You can not modify this Artifact by this amount.</source>
        <translation>Vous ne pouvez pas modifier cet Artefact de ce montant.</translation>
    </message>
    <message>
        <source>Enter Name of Servant</source>
        <translation>Saisir le nom du Serviteur</translation>
    </message>
    <message>
        <source>Enter Artifact Description</source>
        <translation>Décrire l&apos;Artefact</translation>
    </message>
    <message>
        <source>Enter Discord Description</source>
        <translation>Décrire la Discorde</translation>
    </message>
    <message>
        <source>You must enter a Servant Name.</source>
        <translation>Vous devez saisir le nom du Serviteur.</translation>
    </message>
    <message>
        <source>This is a duplicate Servant.</source>
        <translation>Ce Serviteur existe déjà.</translation>
    </message>
    <message>
        <source>You must enter an Artifact Description.</source>
        <translation>Vous devez saisir la description de l&apos;Artefact.</translation>
    </message>
    <message>
        <source>You must first select an Artifact Type.</source>
        <translation>Vous devez d&apos;abord choisir un type d&apos;Artefact.</translation>
    </message>
    <message>
        <source>You already have that Artifact.</source>
        <translation>Vous avez déjà cet Artefact.</translation>
    </message>
    <message>
        <source>You must enter a Discord Description.</source>
        <translation>Vous devez saisir la description de la Discorde.</translation>
    </message>
    <message>
        <source>You must select a Discord Type.</source>
        <translation>Vous devez choisir un type de Discorde.</translation>
    </message>
    <message>
        <source>You already have that Discord.</source>
        <translation>Vous avez déjà cette Discorde.</translation>
    </message>
    <message>
        <source>Enter Name of Song</source>
        <translation>Saisir le nom du Chant</translation>
    </message>
    <message>
        <source>Enter a Skill</source>
        <translation>Saisir un Talent</translation>
    </message>
    <message>
        <source>You must first enter a Song Name.</source>
        <translation>Vous devez d&apos;abord saisir le nom du Chant.</translation>
    </message>
    <message>
        <source>You must first select a Song Type.</source>
        <translation>Vous devez d&apos;abord choisir un type de Chant.</translation>
    </message>
    <message>
        <source>You already have that song.</source>
        <translation>Vous avez déjà ce Chant.</translation>
    </message>
    <message>
        <source>You must first enter a Skill.</source>
        <translation>Vous devez d&apos;abord saisir un Talent.</translation>
    </message>
    <message>
        <source>You already have that Skill.</source>
        <translation>Vous avez déjà ce Talent.</translation>
    </message>
    <message>
        <source>You can not buy this Vessel with this Charisma.</source>
        <translation>Vous ne pouvez pas acheter ce Corps avec ce Charisme.</translation>
    </message>
    <message>
        <source>Enter a Name for this Vessel</source>
        <translation>Saisir le nom du Corps</translation>
    </message>
    <message>
        <source>Enter a Name for this Role</source>
        <translation>Saisir le nom du Rôle</translation>
    </message>
    <message>
        <source>You must enter a name for this Vessel.</source>
        <translation>Vous devez saisir un nom pour ce Corps.</translation>
    </message>
    <message>
        <source>This is a duplicate Vessel.</source>
        <translation>Ce Corps existe déjà.</translation>
    </message>
    <message>
        <source>You must enter a name for this Role.</source>
        <translation>Vous devez saisir un nom pour ce Rôle.</translation>
    </message>
    <message>
        <source>This is a duplicate Role.</source>
        <translation>Ce Rôle existe déjà.</translation>
    </message>
</context>
<context>
    <name>Quillmark::Sheet</name>
    <message>
        <source>Enter Character Name</source>
        <translation>Saisir le nom du personnage</translation>
    </message>
    <message>
        <source>Character Name</source>
        <translation>Nom du personnage</translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation>Nom du personnage&#xa0;:</translation>
    </message>
    <message>
        <source>Select Choir or Band</source>
        <translation>Choisir Chœur ou Bande</translation>
    </message>
    <message>
        <source>Choir/Band</source>
        <translation>Chœur/Bande</translation>
    </message>
    <message>
        <source>Choir/Band:</source>
        <translation>Chœur/Bande&#xa0;:</translation>
    </message>
    <message>
        <source>Select Superior</source>
        <translation>Choisir un Supérieur</translation>
    </message>
    <message>
        <source>Superior</source>
        <translation>Supérieur</translation>
    </message>
    <message>
        <source>Superior:</source>
        <translation>Supérieur&#xa0;:</translation>
    </message>
    <message>
        <source>Corporeal</source>
        <translation>Corporel</translation>
    </message>
    <message>
        <source>Corporeal:</source>
        <translation>Corporel&#xa0;:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Vigueur</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Vigueur&#xa0;:</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilité</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Agilité&#xa0;:</translation>
    </message>
    <message>
        <source>Ethereal</source>
        <translation>Éthéré</translation>
    </message>
    <message>
        <source>Ethereal:</source>
        <translation>Éthéré&#xa0;:</translation>
    </message>
    <message>
        <source>Intelligence</source>
        <translation>Intelligence</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligence&#xa0;:</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation>Précision&#xa0;:</translation>
    </message>
    <message>
        <source>Celestial</source>
        <translation>Céleste</translation>
    </message>
    <message>
        <source>Celestial:</source>
        <translation>Céleste&#xa0;:</translation>
    </message>
    <message>
        <source>Will</source>
        <translation>Volonté</translation>
    </message>
    <message>
        <source>Will:</source>
        <translation>Volonté&#xa0;:</translation>
    </message>
    <message>
        <source>Perception</source>
        <translation>Perception</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Perception&#xa0;:</translation>
    </message>
    <message>
        <source>Total Forces</source>
        <translation>Total des Forces</translation>
    </message>
    <message>
        <source>Character Points</source>
        <translation>Points de personnage</translation>
    </message>
    <message>
        <source>Character Points:</source>
        <translation>Points de perso.&#xa0;:</translation>
    </message>
    <message>
        <source>Mind Hits</source>
        <translation>Points d&apos;esprit</translation>
    </message>
    <message>
        <source>MindHits:</source>
        <translation>Pts d&apos;esprit&#xa0;:</translation>
    </message>
    <message>
        <source>Soul Hits</source>
        <translation>Points d&apos;âme</translation>
    </message>
    <message>
        <source>SoulHits:</source>
        <translation>Pts d&apos;âme&#xa0;:</translation>
    </message>
    <message>
        <source>Extra Choir/Band Attunements</source>
        <translation>Accords supplémentaires avec le Chœur/la Bande</translation>
    </message>
    <message>
        <source>** Attunments **</source>
        <translation>** Accords **</translation>
    </message>
    <message>
        <source>Extra Superior Attunements</source>
        <translation>Accords supplémentaires avec le Supérieur</translation>
    </message>
    <message>
        <source>Songs</source>
        <translation>Chants</translation>
    </message>
    <message>
        <source>** Songs **</source>
        <translation>** Chants **</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Talents</translation>
    </message>
    <message>
        <source>** Skills **</source>
        <translation>** Talents **</translation>
    </message>
    <message>
        <source>Vessels</source>
        <translation>Corps</translation>
    </message>
    <message>
        <source>** Vessels **</source>
        <translation>** Corps **</translation>
    </message>
    <message>
        <source>Roles</source>
        <translation>Rôles</translation>
    </message>
    <message>
        <source>** Roles **</source>
        <translation>** Rôles **</translation>
    </message>
    <message>
        <source>Servants</source>
        <translation>Serviteurs</translation>
    </message>
    <message>
        <source>** Servants **</source>
        <translation>** Serviteurs **</translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation>Artefacts</translation>
    </message>
    <message>
        <source>** Artifacts **</source>
        <translation>** Artefacts **</translation>
    </message>
    <message>
        <source>Discords</source>
        <translation>Discordes</translation>
    </message>
    <message>
        <source>Discord</source>
        <translation>Discorde</translation>
    </message>
    <message>
        <source>** Discords **</source>
        <translation>** Discordes **</translation>
    </message>
    <message>
        <source>Distinctions</source>
        <translation>Distinctions</translation>
    </message>
    <message>
        <source>** Distinctions **</source>
        <translation>** Distinctions **</translation>
    </message>
    <message>
        <source>Angel</source>
        <translation>Ange</translation>
    </message>
    <message>
        <source>Demon</source>
        <translation>Démon</translation>
    </message>
    <message>
        <source>Outcast</source>
        <translation>Paria</translation>
    </message>
    <message>
        <source>Renegade</source>
        <translation>Renégat</translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation>Soldat</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>Mort-vivant</translation>
    </message>
    <message>
        <source>Remnant</source>
        <translation>Vestige</translation>
    </message>
    <message>
        <source>Mundane</source>
        <translation>Mortel</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A label before its value, in the exports: &quot;Type: Angel&quot;. French puts a no-break space before the colon.</extracomment>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>aucun choisi</translation>
    </message>
    <message>
        <source> Character Type </source>
        <translation> Type de personnage </translation>
    </message>
    <message>
        <source>You have already allocated more Forces.</source>
        <translation>Vous avez déjà réparti plus de Forces.</translation>
    </message>
    <message>
        <source>You cannot exceed a Total Forces value of 18.</source>
        <translation>Le total des Forces ne peut pas dépasser 18.</translation>
    </message>
    <message>
        <source>Current configuration does not allow this Character Type.</source>
        <translation>La configuration actuelle n&apos;autorise pas ce type de personnage.</translation>
    </message>
    <message>
        <source>You can not exceed your total forces.</source>
        <translation>Vous ne pouvez pas dépasser votre total de Forces.</translation>
    </message>
    <message>
        <source>You cannot exceed your total forces.</source>
        <translation>Vous ne pouvez pas dépasser votre total de Forces.</translation>
    </message>
    <message>
        <source>You can not exceed 6 Forces.</source>
        <translation>Une Force ne peut pas dépasser 6.</translation>
    </message>
    <message>
        <source>You may not go below 1 force.</source>
        <translation>Vous ne pouvez pas descendre sous 1 Force.</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement de capacité d&apos;un entier</translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation>%1 n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>You must select a Character Type first.</source>
        <translation>Vous devez d&apos;abord choisir un type de personnage.</translation>
    </message>
    <message>
        <source>You must first select a Character Type.</source>
        <translation>Vous devez d&apos;abord choisir un type de personnage.</translation>
    </message>
    <message>
        <source>You must first Select a Character Type.</source>
        <translation>Vous devez d&apos;abord choisir un type de personnage.</translation>
    </message>
</context>
<context>
    <name>Quillmark::Shell</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Delete the copy</source>
        <translation>Supprimer la copie</translation>
    </message>
    <message>
        <source>The character was copied to the clipboard as Markdown.</source>
        <translation>Le personnage a été copié dans le presse-papiers en Markdown.</translation>
    </message>
    <message>
        <source>Vestrine Characters (*.qmc)</source>
        <translation>Personnages Vestrine (*.qmc)</translation>
    </message>
    <message>
        <source>Save the Report as PDF</source>
        <translation>Enregistrer la feuille en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save the Report</source>
        <translation>Enregistrer la feuille</translation>
    </message>
    <message>
        <source>%1 Forces</source>
        <translation>Forces (%1)</translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation>Augmenter&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Diminuer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Move a point from %1 to %2</source>
        <translation>Déplacer un point de %1 vers %2</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply %1</source>
        <translation>Appliquer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Available Character Types</source>
        <translation>Types de personnage</translation>
    </message>
    <message>
        <source>Available Resource Types</source>
        <translation>Types de ressources</translation>
    </message>
    <message>
        <source>Character Point Bonus</source>
        <translation>Bonus de points</translation>
    </message>
    <message>
        <source>Total Forces Bonus</source>
        <translation>Bonus de Forces</translation>
    </message>
    <message>
        <source>Character Generation</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>This page is switched off. Check &quot;%1&quot; on the Configuration page to show it.</source>
        <translation>Page désactivée&#xa0;: cochez «&#xa0;%1&#xa0;» sur la page Configuration pour l&apos;afficher.</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Unable to write to %1: the settings would take %2 bytes, more than the %3 bytes a settings file may hold; the file was left as it was</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: les réglages prendraient %2 octets, plus que les %3 octets que peut contenir un fichier de réglages&#xa0;; le fichier est resté tel quel</translation>
    </message>
    <message>
        <source>The settings file %1 was ignored: %2. Every character type and resource kind is offered, and closing the window leaves that file as it is.</source>
        <translation>Le fichier de réglages %1 a été ignoré&#xa0;: %2. Tous les types de personnage et toutes les sortes de ressources sont proposés, et la fermeture de la fenêtre laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <source>Discard</source>
        <extracomment>The unsaved question&apos;s button that closes the character without saving it.</extracomment>
        <translation>Ne pas enregistrer</translation>
    </message>
</context>
<context>
    <name>ReportPreviewDialog</name>
    <message>
        <source>P&amp;revious page</source>
        <translation>Page p&amp;récédente</translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>ReportSetupDialog</name>
    <message>
        <source>Report Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Send the report to</source>
        <translation>Envoyer la feuille vers</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation>&amp;Imprimante</translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation>&amp;Fichier PDF</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>&amp;Collate</source>
        <translation>Assem&amp;bler</translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation>Recto seul</translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation>Recto verso, bord long</translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation>Recto verso, bord court</translation>
    </message>
    <message>
        <source>Printer &amp;setup...</source>
        <translation>&amp;Réglages de l&apos;imprimante...</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>&amp;Copies&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Duplex:</source>
        <translation>Recto &amp;verso&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File (PDF, Markdown, text or JSON)</source>
        <translation>&amp;Fichier (PDF, Markdown, texte ou JSON)</translation>
    </message>
    <message>
        <source>Clip&amp;board, as Markdown</source>
        <translation>Presse-&amp;papiers, en Markdown</translation>
    </message>
</context>
<context>
    <name>ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation>État de l&apos;impression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Aucune copie de récupération du personnage n&apos;a pu être écrite dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmark</source>
        <translation>À propos de Quillmark</translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation>Quillmark</translation>
    </message>
    <message>
        <source>Version: 1.0 -  6/1/99</source>
        <translation>Version&#xa0;: 1.0 -  1/6/99</translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game: pick a type, share out Forces, and spend Character Points on Songs, Skills, Vessels and more.</source>
        <translation>Crée des personnages pour Vestrine&#xa0;: choisir un type, répartir les Forces, dépenser des points en Chants, Talents, Corps et plus.</translation>
    </message>
    <message>
        <source>Characters are saved as plain text files and printed from a sheet layout of your choosing.</source>
        <translation>Les personnages sont enregistrés en fichiers texte et imprimés avec le modèle de votre choix.</translation>
    </message>
    <message>
        <source>Vestrine (R) Character Creator</source>
        <translation>Personnages Vestrine (R)</translation>
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
        <translation>La fenêtre principale n&apos;a aucun contrôle nommé %1</translation>
    </message>
    <message>
        <source>Only the first of the %1 files dropped was opened; the others were not.</source>
        <translation>Seul le premier des %1 fichiers déposés a été ouvert&#xa0;; les autres ne l&apos;ont pas été.</translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Raise %1</source>
        <translation>Augmenter&#xa0;: %1</translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation>Diminuer&#xa0;: %1</translation>
    </message>
</context>
</TS>
