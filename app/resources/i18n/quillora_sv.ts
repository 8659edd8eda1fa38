<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Om Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Inställningarna börjar gälla fullt ut nästa gång programmet startas</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Identifiering av mobiltelefon</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(anslutningen till mobiltelefonen bröts)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Anslutningen till mobiltelefonen har brutits!
Anslut den igen och försök på nytt…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Format som stöds av %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Alla format som stöds</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Bildfiler</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animeringar</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Ljudfiler</translation>
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
        <translation>Alla filer</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Läser filen…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Öppnar session…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Skickar titel…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Skickar fildata…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Väntar på bekräftelse…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Avslutar session…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Begär fil…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Tar emot fildata…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Skickar fildata i komprimerat format…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Avbryter överföringen… Vänta lite</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Formatet på det här ljudet (%1) stöds inte direkt av de flesta mediaspelare i Linux.
Quillora kan även skapa en kopia i WAV/PCM-format (som kan spelas upp överallt).
Vill du utföra konverteringen?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Ett fel uppstod vid överföringen!
Mobiltelefonen tog inte emot alla data korrekt.
Det kan bero på en kabel som inte stöder maskinvarubaserad flödesstyrning.
Vill du försöka överföra igen med lägre hastighet?
(det kan lösa problemet)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Tar bort objekt…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Skicka/ta emot</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Endast skicka</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Med det här verktyget kan du överföra objekt från en dator till en mobiltelefon från %1.
Du kan skicka bilder, animeringar och ljud till telefonen och hämta de objekt som finns lagrade i den.

Verktyget tillhandahålls av %2 utan några garantier. Överför bara objekt som du har rätt att använda.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Överför till mobiltelefonen…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Överför från mobiltelefonen…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Tar bort…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Spara objekt som…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Alla filer|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Förhandsvisning av mottaget foto (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Hämtar listan…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Välj den mapp där de %1!d! markerade filerna ska sparas:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Filen du valde har ett format som Quillora inte känner till
och stöds därför troligen inte av din mobiltelefon.
Prova en annan fil eller byt filändelse på filen.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Mina bilder</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Mina ljud</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Mina animeringar</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Ett oväntat fel uppstod i mobiltelefonen under bearbetningen (felkod %1!d!).
Prova att stänga av telefonen och slå på den igen.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objektet är för stort för mobiltelefonen (felkod %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobiltelefonen stöder inte den här typen av objekt (felkod %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobiltelefonen stöder inte formatet på det här objektet (felkod %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Objektet finns inte i mobiltelefonen. Det har troligen tagits bort. (felkod %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Ett oväntat fel uppstod i mobiltelefonen under synkroniseringen (felkod %1!d!).
Försök igen eller prova att stänga av telefonen och slå på den igen.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Inga filer finns lagrade i den här mobiltelefonen!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! kB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1-fil</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Aldrig</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Fråga</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Alltid</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Kontrollerar den här porten</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Porten finns inte på den här datorn eller är inaktiverad i BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Ett annat program använder porten just nu. Stäng det först</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Det går inte att komma åt porten. Prova att starta om datorn</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Porten verkar inte vara en extern port på datorn</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Ingen kabel hittades på den här porten</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>En datakabel hittades, men ingen mobiltelefon är ansluten</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>En inkompatibel kabel hittades. Använd en datakabel från %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kabeln som är ansluten till porten kunde inte kännas igen. Kontrollera anslutningarna</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>En ansluten datakabel hittades</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Inget svar från mobiltelefonen. Prova att stänga av den och slå på den igen</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem hittades vid %1!d! bit/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Du måste sätta i ett SIM-kort i mobilen eller slå på den.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Det gick inte att identifiera modemet</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobilen är SIM-låst eller väntar på PIN-koden eller telefonkoden.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Modemet ”%2” har identifierats</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Den anslutna enheten är inte en kompatibel mobiltelefon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Mobiltelefonen ”%2” hittades!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>En mobiltelefon av typen ”%2” hittades på port %1,
men den stöder inte nedladdning av objekt</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>En mobiltelefon hittades på port %1,
men den är SIM-låst.
Ange SIM-låskoden på mobiltelefonen.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>En mobiltelefon hittades på port %1,
men telefonkoden har inte angetts.
Ange telefonkoden på mobiltelefonen.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>En mobiltelefon hittades på port %1,
men PIN-koden har inte angetts.
Ange PIN-koden på mobiltelefonen.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>En mobiltelefon hittades på port %1,
men den verkar inte vara påslagen eller ha något SIM-kort.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Obegränsad</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Upp till %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Endast svartvitt</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bitars färg</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progressiv kodning</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Förlustfritt läge</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorgrafik</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 stöds</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 stöds inte</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Enstämmig</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Upp till %1 stämmor</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvensområde: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bitar – %2 – %3 Hz</translation>
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
        <translation>%1!d! minuter kvar</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! sekunder kvar</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%1!d! av %2!d! byte mottagna</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Ett fel har uppstått (%1!d!)</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Det går inte att öppna filen ”%2”</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Filen ”%2” är tom!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Det går inte att läsa filen ”%2”!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Den här mobiltelefonen stöder inte nedladdning av objekt</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobiltelefonen gav ett oväntat svar</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Mobiltelefonens minne räcker inte för ett objekt av den här storleken.
Du kan välja ett mindre objekt eller ta bort några objekt från mobiltelefonen.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Det går inte att skapa filen ”%2”</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Det går inte att komma åt kommunikationsporten</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Data som togs emot från mobiltelefonen är ogiltiga</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobiltelefonen rapporterade ett fel.
Den valda filen kanske inte finns längre</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobiltelefonen förstod inte begäran. Försök igen…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobiltelefonen svarar inte längre. Kontrollera att den är rätt ansluten.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Fel vid nedladdning, data har gått förlorade.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Ta emot…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatisk identifiering av mobiltelefon…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(anslut mobiltelefonen nu om du inte redan har gjort det)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Typ av mobiltelefon:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>på port:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Skicka…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>hastighet:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Möjliga överföringar:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Visa hjälpfilen</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Användning av Quillora</translation>
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
        <translation>&amp;Visa det här fönstret vid start</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Språk: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lista över tillgängliga objekt</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Hämta…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Ta bort…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Markera &amp;alla</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Rotera bilden medurs</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Rotera bilden moturs</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Spegelvänd bilden vågrätt</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Spegelvänd bilden lodrätt</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Gör om bilden till gråskala (kan inte ångras)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Inställningar</translation>
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
        <translation>Hjälp</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Skapa en WAV/PCM-version av AMR-ljud:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Skapa en WAV/PCM-version av A&amp;DPCM-ljud:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Stäng av knappljud</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Bekräfta ersättning av fil</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Ja till &amp;alla</translation>
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
        <translation>&amp;Hoppa över</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Byt namn</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Den här mappen innehåller redan en fil med namnet ”%1”.
Vill du ersätta den befintliga filen med filen från mobilen?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Bekräfta borttagning av objekt</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Är du säker på att du vill ta bort ”%1”?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Vill du verkligen ta bort dessa %1 objekt?</translation>
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
        <translation>&amp;Nej</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Visa inte den här frågan igen</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Förbereder överföring…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Objektformat som stöds av den här mobilen</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Bilder (bakgrundsbilder eller ikoner för samtalsgrupper)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animeringar (skärmsläckare)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Ljud (melodier)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimensioner</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Begränsningar</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – Oväntat fel</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Ett oväntat fel har uppstått!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>I: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> rad </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Värde: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Kontakta utvecklaren</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Tryck Ctrl+C för att kopiera informationen)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;okänt program&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>källa</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Det går inte att öppna länken:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operativsystemet har slut på
minne eller resurser.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Den angivna filen hittades inte.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Den angivna sökvägen hittades inte.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operativsystemet nekade
åtkomst till den angivna filen.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Det finns inte tillräckligt med minne för att slutföra åtgärden.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Den körbara filen är ogiltig
(format som inte stöds eller skadad fil).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Ett delningsfel inträffade. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Filkopplingen är
ofullständig eller ogiltig.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE-transaktionen kunde inte
slutföras eftersom tidsgränsen för begäran överskreds.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE-transaktionen misslyckades.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE-transaktionen kunde inte
slutföras eftersom andra DDE-transaktioner
behandlades.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Det finns inget program kopplat
till den angivna filändelsen.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Det angivna dynamiska länkbiblioteket (DLL) hittades inte.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Ett okänt fel (%d) inträffade.</translation>
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
        <translation>Sp&amp;råk:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>jpegtran hittades inte: installera paketet libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Bilden %1 kunde inte ersättas med den omvandlade kopian:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Skickas när en mobiltelefon har hittats: %1</translation>
    </message>
</context>
</TS>
