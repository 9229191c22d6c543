<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Swedish for the texts of Qt's own dialogs and menus (file, print and printer properties
     dialogs, message-box buttons, the text context menu) that Qt's catalogue leaves in English,
     and, in the context FileTypes, for the file types shared-mime-info names only in English
     (source: the type's name, as the file dialog's type column looks it up). -->
<TS version="2.1" language="sv_SE">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>Enhet</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Mapp</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Genväg</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mapp</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Byt till detaljerad vy</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Byt till listvy</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Skapa en ny mapp</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tillbaka</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå framåt</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå till mappen ovanför</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Platser och bokmärken</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Leta i:</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Visa </translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidopanel</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Senaste platser</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alla filer (*)</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Välj</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Vill du verkligen ta bort ”%1”?</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>Dator</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Spara alla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja till &amp;alla</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;ej till alla</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorera</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Förkasta</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Återställ standardvärden</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Alternativ &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Alternativ &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alla sidor</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Jämna sidor</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Udda sidor</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv till fil (PDF)</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skriv en PDF-fil</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Vänster till höger, uppifrån och ned</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Vänster till höger, nedifrån och upp</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Höger till vänster, nedifrån och upp</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Höger till vänster, uppifrån och ned</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Nedifrån och upp, vänster till höger</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Nedifrån och upp, höger till vänster</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Uppifrån och ned, vänster till höger</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Uppifrån och ned, höger till vänster</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 är en mapp.
Välj ett annat filnamn.</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>Alternativen ”Sidor per ark” och ”Sidurval” kan inte användas samtidigt.
Stäng av ett av dem.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ogiltigt sidintervall</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 är inte skrivet på rätt sätt. Skilj sidor och intervall åt med ”,”, ange ett intervall med ”-” och se till att intervallen inte överlappar varandra.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflikt i inställningarna för dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Inställningarna för dubbelsidig utskrift står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Color</source>
        <translation>Färg</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Färgläge</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopior:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Aktuell sida</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dubbelsidig utskrift</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråskala</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Bindning längs långsidan</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utskriftsinställningar</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sidurval:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sidor</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Omvänd ordning</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Bindning längs kortsidan</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Ange sidor eller intervall åtskilda med kommatecken. Ett intervall anges med två tal och ett bindestreck emellan. Till exempel skriver 3,5-7,9 ut sidorna 3, 5, 6, 7 och 9.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Namn:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Plats:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>Utskrifts&amp;fil:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Förhandsgranska</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höjd:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tum (in)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marginaler</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientering</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sidlayout</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Sidordning:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sidor per ark:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papper</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkter (pt)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Omvänt liggande</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Omvänt stående</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredd:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>nedre marginal</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>vänster marginal</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>höger marginal</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>övre marginal</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Job Options</source>
        <translation>Jobbalternativ</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Skrivaregenskaper</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflikt i sidinställningarna</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Sidinställningarna står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflikt i de avancerade alternativen</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Några avancerade alternativ står i konflikt med varandra. Vill du rätta dem?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avancerat</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulär</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Sida</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Några alternativ står i konflikt med varandra. Rätta dem.</translation>
    </message>
</context>
<context>
    <name>QPrintDevice</name>
    <message>
        <source>Automatic</source>
        <translation>Automatiskt</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbhantering</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Schemalagd utskrift:</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Faktureringsuppgifter:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Försättsblad</translation>
    </message>
    <message>
        <source>End:</source>
        <comment>Banner page at end</comment>
        <translation>Slut:</translation>
    </message>
    <message>
        <source>Start:</source>
        <comment>Banner page at start</comment>
        <translation>Början:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut direkt</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Vänta tills vidare</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06:00 till 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18:00 till 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andra skiftet (16:00 till 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skiftet (00:00 till 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lördag till söndag)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Viss tid</translation>
    </message>
    <message>
        <source>None</source>
        <comment>CUPS Banner page</comment>
        <translation>Inget</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>CUPS Banner page</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <comment>CUPS Banner page</comment>
        <translation>Oklassificerat</translation>
    </message>
    <message>
        <source>Confidential</source>
        <comment>CUPS Banner page</comment>
        <translation>Konfidentiellt</translation>
    </message>
    <message>
        <source>Classified</source>
        <comment>CUPS Banner page</comment>
        <translation>Klassificerat</translation>
    </message>
    <message>
        <source>Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Hemligt</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <comment>CUPS Banner page</comment>
        <translation>Topphemligt</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 tum</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Anpassad (%1 mm x %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Anpassad (%1 pt x %2 pt)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Anpassad (%1 tum x %2 tum)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Anpassad (%1 pc x %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Anpassad (%1 DD x %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Anpassad (%1 CC x %2 CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Anpassad</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 x 10 tum)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 x 10,5 tum)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8,27 x 13 tum)</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 liten</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter liten</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arkitekt A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arkitekt B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arkitekt C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arkitekt D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arkitekt E</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Vykort</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dubbelt vykort</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Leporello US (14,875 x 11 tum)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Leporello tysk (8,5 x 12 tum)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Leporello tysk Legal (8,5 x 13 tum)</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Kuvert 6 3/4</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Kuvert inbjudan</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Kuvert italienskt</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Kuvert B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Kuvert B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Kuvert B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Kuvert C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Kuvert C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Kuvert C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Kuvert C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Kuvert C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Kuvert C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Kuvert C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Kuvert C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Kuvert C7</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Kuvert DL</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Kuvert US 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Kuvert US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Kuvert US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Kuvert US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Kuvert US 14</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Kuvert Monarch</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Kuvert Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Kuvert Chou 4</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Kuvert Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Kuvert Kaku 3</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Kuvert PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Kuvert PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Kuvert PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Kuvert PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Kuvert PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Kuvert PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Kuvert PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Kuvert PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Kuvert PRC 9</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Kuvert PRC 10</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Kuvert You 4</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 Extra</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 Extra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 Plus</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 Extra</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 Extra</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal Extra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter Extra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter Plus</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid Extra</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K stor</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiera &amp;länkadress</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Klistra &amp;in</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera alla</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>application/json-patch+json</source>
        <translation>JSON-patch</translation>
    </message>
    <message>
        <source>application/ovf</source>
        <translation>OVF-diskavbild</translation>
    </message>
    <message>
        <source>application/schema+json</source>
        <translation>JSON-schema</translation>
    </message>
    <message>
        <source>application/sparql-query</source>
        <translation>SPARQL-fråga</translation>
    </message>
    <message>
        <source>application/sparql-results+xml</source>
        <translation>SPARQL-frågeresultat</translation>
    </message>
    <message>
        <source>application/toml</source>
        <translation>TOML-dokument</translation>
    </message>
    <message>
        <source>application/vnd.apple.mpegurl</source>
        <translation>mediaspellista</translation>
    </message>
    <message>
        <source>application/vnd.apple.numbers</source>
        <translation>Apple Numbers-kalkylblad</translation>
    </message>
    <message>
        <source>application/vnd.apple.pages</source>
        <translation>Apple Pages-dokument</translation>
    </message>
    <message>
        <source>application/vnd.apple.pkpass</source>
        <translation>Apple Wallet-kort</translation>
    </message>
    <message>
        <source>application/vnd.comicbook+zip</source>
        <translation>seriearkiv (zip-behållare)</translation>
    </message>
    <message>
        <source>application/vnd.comicbook-rar</source>
        <translation>seriearkiv (rar-behållare)</translation>
    </message>
    <message>
        <source>application/x-asar</source>
        <translation>Electron-arkiv (ASAR)</translation>
    </message>
    <message>
        <source>application/x-bcpio</source>
        <translation>BCPIO-arkiv</translation>
    </message>
    <message>
        <source>application/x-cb7</source>
        <translation>seriearkiv (7z-behållare)</translation>
    </message>
    <message>
        <source>application/x-cbt</source>
        <translation>seriearkiv (tar-behållare)</translation>
    </message>
    <message>
        <source>application/x-desktop</source>
        <translation>skrivbordsfil</translation>
    </message>
    <message>
        <source>application/x-gdscript</source>
        <translation>GDScript-skript</translation>
    </message>
    <message>
        <source>application/x-godot-project</source>
        <translation>Godot Engine-projekt</translation>
    </message>
    <message>
        <source>application/x-godot-resource</source>
        <translation>Godot Engine-resurs</translation>
    </message>
    <message>
        <source>application/x-godot-scene</source>
        <translation>Godot Engine-scen</translation>
    </message>
    <message>
        <source>application/x-godot-shader</source>
        <translation>Godot Engine-skuggningsprogram</translation>
    </message>
    <message>
        <source>application/x-neo-geo-pocket-color-rom</source>
        <translation>Neo-Geo Pocket Color-ROM</translation>
    </message>
    <message>
        <source>application/x-openzim</source>
        <translation>OpenZIM-fil</translation>
    </message>
    <message>
        <source>application/x-qed-disk</source>
        <translation>QEMU QED-diskavbild</translation>
    </message>
    <message>
        <source>application/x-troff-man</source>
        <translation>manualsida</translation>
    </message>
    <message>
        <source>application/x-troff-man-compressed</source>
        <translation>manualsida (komprimerad)</translation>
    </message>
    <message>
        <source>application/x-vdi-disk</source>
        <translation>VDI-diskavbild</translation>
    </message>
    <message>
        <source>application/x-vhd-disk</source>
        <translation>VHD-diskavbild</translation>
    </message>
    <message>
        <source>application/x-vhdx-disk</source>
        <translation>VHDX-diskavbild</translation>
    </message>
    <message>
        <source>application/x-vmdk-disk</source>
        <translation>VMDK-diskavbild</translation>
    </message>
    <message>
        <source>audio/mobile-xmf</source>
        <translation>Mobile XMF-ljud</translation>
    </message>
    <message>
        <source>audio/vnd.dts.hd</source>
        <translation>DTS-HD-ljud</translation>
    </message>
    <message>
        <source>audio/x-ape</source>
        <translation>Monkey&apos;s Audio-ljud</translation>
    </message>
    <message>
        <source>audio/x-dff</source>
        <translation>DSDIFF-ljud</translation>
    </message>
    <message>
        <source>audio/x-dsf</source>
        <translation>DSF-ljud</translation>
    </message>
    <message>
        <source>audio/x-mpegurl</source>
        <translation>mediaspellista</translation>
    </message>
    <message>
        <source>image/avif</source>
        <translation>AVIF-bild</translation>
    </message>
    <message>
        <source>image/jxl</source>
        <translation>JPEG XL-bild</translation>
    </message>
    <message>
        <source>image/x-canon-cr3</source>
        <translation>Canon CR3-råbild</translation>
    </message>
    <message>
        <source>image/x-nikon-nrw</source>
        <translation>Nikon NRW-råbild</translation>
    </message>
    <message>
        <source>model/3mf</source>
        <translation>3MF-dokument</translation>
    </message>
    <message>
        <source>model/gltf+json</source>
        <translation>glTF-modell</translation>
    </message>
    <message>
        <source>model/gltf-binary</source>
        <translation>glTF-modell</translation>
    </message>
    <message>
        <source>model/mtl</source>
        <translation>materialbibliotek för OBJ 3D-modell</translation>
    </message>
    <message>
        <source>model/obj</source>
        <translation>OBJ 3D-modell</translation>
    </message>
    <message>
        <source>text/org</source>
        <translation>Org-mode-fil</translation>
    </message>
    <message>
        <source>text/x-crystal</source>
        <translation>Crystal-källkod</translation>
    </message>
    <message>
        <source>text/x-dart</source>
        <translation>Dart-källkod</translation>
    </message>
    <message>
        <source>text/x-elixir</source>
        <translation>Elixir-källkod</translation>
    </message>
    <message>
        <source>text/x-gcode-gx</source>
        <translation>G-kod-fil (utökad)</translation>
    </message>
    <message>
        <source>text/x-gradle</source>
        <translation>Gradle-skript</translation>
    </message>
    <message>
        <source>text/x-mpl2</source>
        <translation>MPlayer2-undertexter</translation>
    </message>
    <message>
        <source>text/x-objc++src</source>
        <translation>Objective-C++-källkod</translation>
    </message>
    <message>
        <source>video/vnd.mpegurl</source>
        <translation>videospellista</translation>
    </message>
    <message>
        <source>video/vnd.radgamettools.bink</source>
        <translation>Bink-video</translation>
    </message>
    <message>
        <source>video/vnd.radgamettools.smacker</source>
        <translation>Smacker-video</translation>
    </message>
    <message>
        <source>x-content/image-picturecd</source>
        <translation>Picture CD-skiva</translation>
    </message>
    <message>
        <source>x-content/video-svcd</source>
        <translation>Super Video CD-skiva</translation>
    </message>
</context>
</TS>
