<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Om Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Innstillingene trer fullt i kraft neste gang programmet startes</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Gjenkjenning av mobiltelefon</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(forbindelsen med mobiltelefonen ble brutt)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Forbindelsen med mobiltelefonen er brutt!
Koble den til igjen og prøv på nytt…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formater som støttes av %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Alle støttede formater</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Bildefiler</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animasjoner</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Lydfiler</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard-filer</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar-filer</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Alle filer</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Leser filen…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Åpner økt…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Sender tittel…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Sender fildata…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Venter på bekreftelse…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Lukker økt…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Ber om fil…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Mottar fildata…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Sender fildata i komprimert format…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Avbryter overføringen… Vent litt</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Formatet til denne lyden (%1) støttes ikke direkte av de fleste mediespillere i Linux.
Quillora kan også lage en kopi i WAV/PCM-format (kan spilles av overalt).
Vil du utføre konverteringen?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Det oppstod en feil under overføringen!
Mobiltelefonen mottok ikke alle dataene riktig.
Dette kan skyldes en kabel som ikke støtter maskinvarebasert flytkontroll.
Vil du prøve overføringen på nytt med lavere hastighet?
(dette kan løse problemet)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Sletter objekter…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Sending/mottak</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Bare sending</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Med dette verktøyet kan du overføre objekter fra en PC til en mobiltelefon fra %1.
Du kan sende bilder, animasjoner og lyder til telefonen og hente objektene som er lagret på den.

Dette verktøyet leveres av %2 uten noen form for garanti. Overfør bare objekter som du har rett til å bruke.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Overfører til mobiltelefonen…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Overfører fra mobiltelefonen…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Sletter…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Lagre objekt som…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Alle filer|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Forhåndsvisning av mottatt foto (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Henter listen…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Velg mappen der de %1!d! valgte filene skal lagres:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Filen du valgte, har et format som Quillora ikke kjenner,
og støttes derfor trolig ikke av mobiltelefonen din.
Prøv en annen fil, eller endre filetternavnet på denne filen.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Mine bilder</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Mine lyder</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Mine animasjoner</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Det oppstod en uventet feil i mobiltelefonen under behandlingen (feilkode %1!d!).
Prøv å slå telefonen av og på igjen.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objektet er for stort for mobiltelefonen (feilkode %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobiltelefonen støtter ikke denne typen objekter (feilkode %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobiltelefonen støtter ikke formatet til dette objektet (feilkode %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objektet finnes ikke på mobiltelefonen. Det er trolig slettet i mellomtiden. (feilkode %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Det oppstod en uventet feil i mobiltelefonen under synkroniseringen (feilkode %1!d!).
Prøv igjen, eller prøv å slå telefonen av og på igjen.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Ingen filer er lagret på denne mobiltelefonen!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Tittel</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Størrelse</translation>
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
        <translation>%1-fil</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Aldri</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Spør</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Alltid</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Kontrollerer denne porten</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Porten finnes ikke på denne maskinen eller er deaktivert i BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Et annet program bruker denne porten nå. Lukk det først</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Får ikke tilgang til denne porten. Prøv å starte datamaskinen på nytt</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Denne porten ser ikke ut til å være en ekstern port på PC-en</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Fant ingen kabel på denne porten</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Fant en datakabel, men ingen mobiltelefon er tilkoblet</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Fant en kabel som ikke er kompatibel. Bruk en datakabel fra %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kabelen som er koblet til denne porten, ble ikke gjenkjent. Kontroller tilkoblingene</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Fant en tilkoblet datakabel</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Ingen svar fra mobiltelefonen. Prøv å slå den av og på igjen</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Fant modem ved %1!d! bit/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Du må sette inn et SIM-kort i mobilen eller slå den på.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Kan ikke identifisere modemet</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobilen er SIM-låst eller venter på PIN-koden eller telefonkoden.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Modemet «%2» er identifisert</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Den tilkoblede enheten er ikke en kompatibel mobiltelefon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Fant mobiltelefonen «%2»!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Fant en mobiltelefon av typen «%2» på port %1,
men den støtter ikke nedlasting av objekter</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Fant en mobiltelefon på port %1,
men den er SIM-låst.
Tast inn SIM-låskoden på mobiltelefonen.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Fant en mobiltelefon på port %1,
men telefonkoden er ikke tastet inn.
Tast inn telefonkoden på mobiltelefonen.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Fant en mobiltelefon på port %1,
men PIN-koden er ikke tastet inn.
Tast inn PIN-koden på mobiltelefonen.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Fant en mobiltelefon på port %1,
men den ser ikke ut til å være slått på eller ha et SIM-kort.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Ubegrenset</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Opptil %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Bare svart-hvitt</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bits farger</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progressiv koding</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Tapsfri modus</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorgrafikk</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 støttes</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 støttes ikke</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Enstemmig</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Opptil %1 stemmer</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvensområde: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bit – %2 – %3 Hz</translation>
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
        <translation>%1!d! minutter igjen</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! sekunder igjen</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! av %2!d! byte mottatt</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Det har oppstått en feil (%1!d!)</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan ikke åpne filen «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Filen «%2» er tom!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan ikke lese filen «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Denne mobiltelefonen støtter ikke nedlasting av objekter</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobiltelefonen ga et uventet svar</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Minnet i mobiltelefonen har ikke plass til et objekt av denne størrelsen.
Du kan velge et mindre objekt eller slette noen objekter fra mobiltelefonen.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Kan ikke opprette filen «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Får ikke tilgang til kommunikasjonsporten</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Dataene som ble mottatt fra mobiltelefonen, er ugyldige</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobiltelefonen meldte om en feil.
Den valgte filen finnes kanskje ikke lenger</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobiltelefonen forsto ikke forespørselen. Prøv igjen…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobiltelefonen svarer ikke lenger. Kontroller at den er riktig tilkoblet.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Feil under nedlasting, data har gått tapt.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Motta…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatisk gjenkjenning av mobiltelefon…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(koble til mobiltelefonen nå hvis du ikke allerede har gjort det)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Mobiltelefontype:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>på port:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Send…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>hastighet:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Mulige overføringer:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Innstillinger</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Vis hjelpefilen</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Bruk av Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Vis dette vinduet ved oppstart</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Språk: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Liste over tilgjengelige objekter</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Hent…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Slett…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Merk &amp;alle</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Roter bildet med klokka</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Roter bildet mot klokka</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Speilvend bildet vannrett</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Speilvend bildet loddrett</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Gjør bildet om til gråtoner (kan ikke angres)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Lag en WAV/PCM-versjon av AMR-lyder:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Lag en WAV/PCM-versjon av A&amp;DPCM-lyder:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Slå av knappelyder</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Bekreft erstatning av fil</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Ja til &amp;alle</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Hopp over</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Endre navn</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Denne mappen inneholder allerede en fil med navnet «%1».
Vil du erstatte den eksisterende filen med filen fra mobilen?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Bekreft sletting av objekt</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Vil du virkelig slette disse %1 objektene?</translation>
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
        <translation>&amp;Nei</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Ikke spør om dette igjen</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Forbereder overføring…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Objektformater som støttes av denne mobilen</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Bilder (bakgrunnsbilder eller ikoner for anropsgrupper)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animasjoner (skjermsparere)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Lyder (melodier)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Maks.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimensjoner</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Begrensninger</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – Uventet feil</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Det har oppstått en uventet feil!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>I: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> linje </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Verdi: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Kontakt utvikleren</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Trykk Ctrl+C for å kopiere denne informasjonen)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;ukjent program&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>kilde</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Kan ikke åpne lenken:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operativsystemet er tomt for
minne eller ressurser.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Finner ikke den angitte filen.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Finner ikke den angitte stien.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operativsystemet nektet
tilgang til den angitte filen.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Det er ikke nok minne til å fullføre handlingen.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Den kjørbare filen er ugyldig
(format som ikke støttes, eller skadet fil).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Det oppstod et delingsbrudd. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Filtilknytningen er
ufullstendig eller ugyldig.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE-transaksjonen kunne ikke
fullføres fordi det ble tidsavbrudd for forespørselen.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE-transaksjonen mislyktes.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE-transaksjonen kunne ikke
fullføres fordi andre DDE-transaksjoner
var under behandling.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Ingen programmer er tilknyttet
det angitte filetternavnet.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Finner ikke det angitte dynamiske koblingsbiblioteket (DLL).</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Det oppstod en ukjent feil (%d).</translation>
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
        <translation>&amp;Språk:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Finner ikke jpegtran: installer pakken libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Bildet %1 kunne ikke erstattes med den omformede kopien:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Sendes når en mobiltelefon er funnet: %1</translation>
    </message>
</context>
</TS>
