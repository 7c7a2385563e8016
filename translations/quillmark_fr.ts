<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Bonuses</name>
    <message>
        <source>You have already allocated more Forces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot exceed a Total Forces value of 18.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CharacterTypes</name>
    <message>
        <source>Current configuration does not allow this Character Type.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--layout is used only with --pdf; the window prints with qmsheet.rav.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one character file can be opened at a time, but %1 were given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf and --layout can each be given only once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name after --pdf or --layout is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf needs at least one character file to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 character files need a folder to go into, but %2 is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help and leave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and leave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the sheet of FILE into OUT, a PDF file, or of each FILE into NAME.pdf in the folder OUT, and leave; no window is shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --pdf: print with this layout instead of qmsheet.rav.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A character file (*.qmc) to open at the start, or to print with --pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options] [FILE]
       %1 --pdf OUT [--layout FILE.rav] FILE...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillmark: the output could not be written
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConsolePrompter</name>
    <message>
        <source>%1 (answered No)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>&quot;%1&quot; is a named pipe, not a regular file; the character was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device, not a regular file; the character was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a socket, not a regular file; the character was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file; the character was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The character file &quot;%1&quot; cannot be read: it holds more than %2 items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will clear all current work.  Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a character file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character file ended before all of its lists were read. The character was loaded as far as the file goes; some lists may be incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Forces</name>
    <message>
        <source>You can not exceed your total forces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot exceed your total forces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not exceed 6 Forces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not go below 1 force.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>topic %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help page you asked for (%1) could not be found. Quillmark itself is not affected: close this window and carry on with your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntText</name>
    <message>
        <source>Integer overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IoError</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutImages</name>
    <message>
        <source>the image %1 must be a file name in the layout&apos;s own folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image %1 is too large: %2 by %3 pixels, where an image may have at most %4 million pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image %1 is one too many: with it the layout&apos;s images would have %2 million pixels, where all of them together may have at most %3 million</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutReader</name>
    <message>
        <source>The reporting project &quot;%1&quot; is damaged in line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may not hold %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no attribute %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the attribute &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 name %2 must not be empty or hold a &quot;.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is a second %1 named %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no valid value for &quot;%2&quot; (a number from %3 to %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a report layout starts with &lt;project&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;project&gt; may hold only &lt;report&gt;, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;report&gt; may hold only &lt;page&gt;, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a report needs at least one page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown paper %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a page needs a width and a height above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a page may be at most %1 mm wide and high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orientation is &quot;portrait&quot; or &quot;landscape&quot;, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown unit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is a second component named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown component %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text or memo field needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following reporting project does not exist:<byte value="xd"/>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reporting project &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutReportEngine</name>
    <message>
        <source>The report component asked for is not a text or memo field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report component asked for is not a memo field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutValues</name>
    <message>
        <source>%1 is not one of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a colour (write #rrggbb or a colour name)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoFlow</name>
    <message>
        <source>The report would take more than %1 pages; nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutsideFile</name>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is too large: %1, where %2 may have at most %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would make the program wait for more to read, as no regular file does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name cannot be read, as it is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a report layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an image file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfCommand</name>
    <message>
        <source>the layout printed nothing; %1 was not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quillmark: %1 of %2: %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its PDF %1 would replace a character file; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its PDF %1 is also the PDF of an earlier file; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists and is not a PDF; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Attunments **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Distinctions **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Songs **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Skills **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Vessels **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Roles **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Servants **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Artifacts **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>** Discords **</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1: the settings would take %2 bytes, more than the %3 bytes a settings file may hold; the file was left as it was</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramPicture</name>
    <message>
        <source>Quillmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program&apos;s picture: a quill writing on a rolled parchment under a night sky</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuillPrompter</name>
    <message>
        <source>Vestrine Characters (*.qmc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuotedValue</name>
    <message>
        <source> (%1 characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPages</name>
    <message>
        <source>The report would take more than %1 pages; nothing was printed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPreviewDialog</name>
    <message>
        <source>P&amp;revious page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <source>Generating page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be finished on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be written to %1: it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be finished on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportSetupDialog</name>
    <message>
        <source>Report Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the report to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF &amp;file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Collate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One-sided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-sided, long edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-sided, short edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer &amp;setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplex:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportStatusWindow</name>
    <message>
        <source>Report Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>Do you wish to delete this item?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing Selected for Delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter an Attunment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that Attunment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Distinction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Extra Attunment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &quot;*&quot; on its own cannot be stored: it closes a list in the character file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Distinction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that Distinction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You do not have enough Character Points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 arrows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Choir/Band Attunments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Choir/Band attunement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Choir/Band attunement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Choir/Band attunements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Superior Attunments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Superior attunement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Superior attunement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Superior attunements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Song level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skills</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessels page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessel name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessel level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vessel Charisma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body Hits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roles page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servants page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servants</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servant:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servant name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servant level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servant class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Servant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifacts page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artifact modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Artifact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discord level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Discord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinctions page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinctions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distinction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Distinction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corporeal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethereal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celestial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select an Artifact Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not modify this Artifact by this amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name of Servant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Artifact Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Discord Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Servant Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a duplicate Servant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter an Artifact Description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first select an Artifact Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that Artifact.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Discord Description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a Discord Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that Discord.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name of Song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Skill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first enter a Song Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first select a Song Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that song.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first enter a Skill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have that Skill.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not buy this Vessel with this Charisma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Name for this Vessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Name for this Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a name for this Vessel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a duplicate Vessel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a name for this Role.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a duplicate Role.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>The settings file %1 was ignored: %2. Every character type and resource kind is offered, and closing the window leaves that file as it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>Enter Character Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Choir or Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Superior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renegade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soldier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remnant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mundane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetPrintout</name>
    <message>
        <source>The report layout has no page &quot;%1&quot;; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; of the report layout has no component &quot;%2&quot;; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a memo field; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The component &quot;%1&quot; of the report layout is not a text field; nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following reporting projects do not exist:<byte value="xd"/>&quot;%1&quot;<byte value="xd"/>&quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quillmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: 1.0 -  6/1/99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Builds player characters for the Vestrine role-playing game: pick a type, share out Forces, and spend Character Points on Songs, Skills, Vessels and more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters are saved as plain text files and printed from a sheet layout of your choosing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vestrine (R) Character Creator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Quillmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window has no control named %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first of the %1 files dropped was opened; the others were not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choir/Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superior:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Character Type </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corporeal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethereal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precision:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celestial:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move a point from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MindHits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mind Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoulHits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soul Hits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Character Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available Resource Types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Point Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Forces Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Raise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypeGuard</name>
    <message>
        <source>You must select a Character Type first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first select a Character Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must first Select a Character Type.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowReportOutput</name>
    <message>
        <source>There is no printer to print on; choose one under &quot;Printer setup&quot; or send the report to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
