<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Over Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>De instellingen worden pas volledig van kracht bij de volgende start van het programma</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Detectie van mobiele telefoon</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(verbinding met mobiele telefoon verbroken)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>De verbinding met de mobiele telefoon is verbroken!
Sluit de telefoon opnieuw aan en probeer het nog eens.</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Door %1 ondersteunde formaten</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Alle ondersteunde formaten</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Afbeeldingsbestanden</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animaties</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Geluidsbestanden</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCards</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendars</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Alle bestanden</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Bestand wordt gelezen…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Sessie wordt geopend…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Titel wordt verzonden…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Bestandsgegevens worden verzonden…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Wachten op bevestiging…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Sessie wordt gesloten…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Bestand wordt opgevraagd…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Bestandsgegevens worden ontvangen…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Bestandsgegevens worden gecomprimeerd verzonden…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Overdracht wordt gestopt… Even geduld</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Het formaat van dit geluid (%1) wordt door de meeste mediaspelers onder Linux niet rechtstreeks ondersteund.
Quillora kan ook een kopie in WAV/PCM-formaat maken (overal af te spelen).
Wilt u het geluid laten omzetten?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Er is een fout opgetreden bij de overdracht!
De mobiele telefoon heeft niet alle gegevens correct ontvangen.
Dit kan komen door een kabel die geen hardwarematige stroombesturing ondersteunt.
Wilt u de overdracht opnieuw proberen met een lagere snelheid?
(dit kan het probleem verhelpen)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Objecten worden verwijderd…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Verzenden/ontvangen</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Alleen verzenden</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Met dit programma kunt u objecten van een pc overzetten naar een mobiele telefoon van %1.
U kunt afbeeldingen, animaties en geluiden naar uw telefoon verzenden en de objecten ophalen die erop staan.

Dit programma wordt door %2 geleverd zonder enige garantie. Zet alleen objecten over die u mag gebruiken.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Overdracht naar mobiele telefoon…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Overdracht van mobiele telefoon…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Bezig met verwijderen…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Object opslaan als…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Alle bestanden|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Voorbeeld van ontvangen foto (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Lijst wordt opgehaald…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Selecteer de map waarin de %1!d! geselecteerde bestanden moeten worden opgeslagen:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Het geselecteerde bestand heeft een formaat dat Quillora niet kent
en wordt daarom waarschijnlijk niet door uw mobiele telefoon ondersteund.
Probeer een ander bestand of wijzig eventueel de extensie van dit bestand.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Mijn afbeeldingen</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Mijn geluiden</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Mijn animaties</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Er is in de mobiele telefoon een onverwachte fout opgetreden tijdens de verwerking (Err%1!d!).
Probeer uw telefoon uit en weer aan te zetten.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Het object is te groot voor de mobiele telefoon (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>De mobiele telefoon ondersteunt dit soort object niet (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>De mobiele telefoon ondersteunt het formaat van dit object niet (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Dit object is niet gevonden op de mobiele telefoon. Het is waarschijnlijk inmiddels gewist. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Er is in de mobiele telefoon een onverwachte fout opgetreden tijdens de synchronisatie (Err:%1!d!).
Probeer het opnieuw of zet uw telefoon uit en weer aan.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Er is geen bestand opgeslagen op deze mobiele telefoon!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! kB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1-bestand</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nooit</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Vragen</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Altijd</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Deze poort wordt gecontroleerd</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Poort niet beschikbaar op deze computer of uitgeschakeld in het BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Een ander programma gebruikt deze poort op dit moment. Sluit dat programma eerst af</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Geen toegang tot deze poort. Probeer uw computer opnieuw op te starten</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Deze poort lijkt geen externe poort van uw pc te zijn</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Geen kabel gevonden op deze poort</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Er is een datakabel gedetecteerd, maar er is geen mobiele telefoon aangesloten</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Niet-compatibele kabel gedetecteerd. Gebruik een datakabel van %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>De kabel op deze poort wordt niet herkend. Controleer uw aansluitingen</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Er is een aangesloten datakabel gedetecteerd</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Geen antwoord van de mobiele telefoon. Probeer de telefoon uit en weer aan te zetten</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem gevonden met %1!d! bit/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>U moet een simkaart in uw mobiele telefoon plaatsen of de telefoon aanzetten.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Kan het modem niet identificeren</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>De mobiele telefoon heeft een simlock of wacht op de pincode of telefooncode.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Er is een modem ‘%2’ geïdentificeerd</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Het aangesloten apparaat is geen compatibele mobiele telefoon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Mobiele telefoon ‘%2’ gevonden!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Er is een mobiele telefoon ‘%2’ gevonden op poort %1,
maar deze ondersteunt het overzetten van objecten niet</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Er is een mobiele telefoon gevonden op poort %1,
maar deze heeft een simlock.
Voer de simlockcode in op de mobiele telefoon.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Er is een mobiele telefoon gevonden op poort %1,
maar de telefooncode is niet ingevoerd.
Voer de telefooncode in op de mobiele telefoon.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Er is een mobiele telefoon gevonden op poort %1,
maar de pincode is niet ingevoerd.
Voer de pincode in op de mobiele telefoon.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Er is een mobiele telefoon gevonden op poort %1,
maar deze lijkt niet aan te staan of geen simkaart te bevatten.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Onbeperkt</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Tot %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Alleen zwart-wit</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bits kleur</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progressieve codering</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Verliesvrije modus</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vectorafbeelding</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 ondersteund</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 niet ondersteund</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Eenstemmig</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Tot %1 stemmen</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frequentiebereik: %1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bits - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Nog %1!d! min.</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Nog %1!d! sec.</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! van %2!d! bytes ontvangen</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Er is fout %1!d! opgetreden</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan bestand ‘%2’ niet openen</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Bestand ‘%2’ is leeg!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan bestand ‘%2’ niet lezen!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Deze mobiele telefoon ondersteunt het overzetten van objecten niet</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>De mobiele telefoon gaf een onverwacht antwoord</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Het geheugen van de mobiele telefoon kan geen object van deze grootte opslaan.
Kies een kleiner object of verwijder enkele objecten van de mobiele telefoon.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan bestand ‘%2’ niet aanmaken</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Geen toegang tot de communicatiepoort</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>De van de mobiele telefoon ontvangen gegevens zijn ongeldig</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>De mobiele telefoon heeft een fout gemeld.
Het geselecteerde bestand bestaat mogelijk niet meer</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>De mobiele telefoon heeft het verzoek niet begrepen. Probeer het opnieuw.</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>De mobiele telefoon reageert niet meer. Controleer of de telefoon goed is aangesloten.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Fout bij het ontvangen, er zijn gegevens verloren gegaan.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Ontvangen</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatische detectie van mobiele telefoon…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(sluit uw mobiele telefoon nu aan als u dat nog niet hebt gedaan)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Type mobiele telefoon:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>op poort:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Verzenden</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>snelheid:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Mogelijke overdrachten:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Helpbestand tonen</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Gebruik van Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>Dit venster bij het &amp;opstarten tonen</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Taal: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lijst met beschikbare objecten</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Ophalen…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Verwijderen…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Afbeelding rechtsom draaien</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Afbeelding linksom draaien</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Afbeelding horizontaal spiegelen</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Afbeelding verticaal spiegelen</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Afbeelding omzetten naar grijstinten (kan niet ongedaan worden gemaakt)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>WAV/PCM-versie &amp;maken van AMR-geluiden:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>WAV/PCM-versie maken van A&amp;DPCM-geluiden:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Knopgeluiden uitschakelen</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Vervangen van bestand bevestigen</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Overslaan</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Deze map bevat al een bestand met de naam ‘%1’.
Wilt u het bestaande bestand vervangen door het bestand van de mobiele telefoon?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Verwijderen van object bevestigen</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Weet u zeker dat u ‘%1’ wilt verwijderen?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Wilt u deze %1 objecten echt verwijderen?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Deze vraag niet meer &amp;stellen</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Overdracht wordt voorbereid…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Objectformaten die door deze mobiele telefoon worden ondersteund</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Afbeeldingen (achtergronden of pictogrammen van bellergroepen)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animaties (schermbeveiligingen)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Geluiden (melodieën)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Afmetingen</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Beperkingen</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Onverwachte fout</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Er is een onverwachte fout opgetreden!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>In: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> regel </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Waarde: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Neem contact op met de auteur</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Druk op Ctrl+C om deze informatie te kopiëren)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;onbekende toepassing&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>bron</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Kan de koppeling niet openen:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Het besturingssysteem heeft onvoldoende
geheugen of bronnen.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Het opgegeven bestand is niet gevonden.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Het opgegeven pad is niet gevonden.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Het besturingssysteem heeft de toegang
tot het opgegeven bestand geweigerd.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Er was onvoldoende geheugen om de bewerking te voltooien.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Het uitvoerbare bestand is ongeldig
(niet-ondersteund formaat of beschadigd bestand).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Er is een schending van gedeeld gebruik opgetreden. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>De bestandskoppeling is
onvolledig of ongeldig.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>De DDE-transactie kon niet worden voltooid
omdat er een time-out optrad voor de aanvraag.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>De DDE-transactie is mislukt.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>De DDE-transactie kon niet worden voltooid
omdat er andere DDE-transacties
werden verwerkt.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Er is geen toepassing gekoppeld
aan de opgegeven bestandsextensie.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>De opgegeven dynamische bibliotheek (DLL) is niet gevonden.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Er is een onbekende fout (%d) opgetreden.</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d bit/s</translation>
    </message>
    <message id="main.usb">
        <source> USB</source>
        <translation> USB</translation>
    </message>
    <message id="progress.counter">
        <source>(%d/%d)</source>
        <extracomment>%d, %d = number of the current object and number of objects</extracomment>
        <translation>(%d/%d)</translation>
    </message>
    <message id="dlg154.1057">
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran is niet gevonden: installeer het pakket libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>De afbeelding %1 kon niet worden vervangen door de bewerkte kopie:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Te verzenden zodra een mobiele telefoon is gevonden: %1</translation>
    </message>
</context>
</TS>
