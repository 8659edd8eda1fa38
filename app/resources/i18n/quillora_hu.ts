<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>A Quillora &amp;névjegye…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>A beállítások teljes egészében a program következő indításakor lépnek életbe</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Mobiltelefon felismerése</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(a kapcsolat a mobiltelefonnal megszakadt)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>A kapcsolat a mobiltelefonnal megszakadt!
Csatlakoztassa újra, és próbálja meg ismét…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>%1 által támogatott formátumok</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Minden támogatott formátum</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Képfájlok</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animációk</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Hangfájlok</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard-fájlok</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar-fájlok</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Minden fájl</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Fájl olvasása…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Munkamenet megnyitása…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Cím küldése…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Fájladatok küldése…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Várakozás a visszaigazolásra…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Munkamenet lezárása…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Fájl lekérése…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Fájladatok fogadása…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Fájladatok küldése tömörített formában…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Átvitel leállítása… Kérem, várjon</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Ennek a hangnak a formátumát (%1) a legtöbb linuxos lejátszó nem támogatja közvetlenül.
A Quillora WAV/PCM formátumú másolatot is tud készíteni (ez bárhol lejátszható).
Szeretné elvégezni az átalakítást?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Hiba történt az átvitel során!
A mobiltelefon nem kapott meg hibátlanul minden adatot.
Ezt okozhatja olyan kábel, amely nem támogatja a hardveres átvitelvezérlést.
Szeretné újra megpróbálni az átvitelt kisebb sebességgel?
(ez megoldhatja a problémát)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Objektumok törlése…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Küldés/fogadás</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Csak küldés</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Ezzel a programmal objektumokat vihet át a számítógépről egy %1 mobiltelefonra.
Képeket, animációkat és hangokat küldhet a telefonjára, és letöltheti a rajta tárolt objektumokat.

Ezt a programot a(z) %2 bármiféle garancia nélkül biztosítja. Csak olyan objektumokat vigyen át, amelyek használatára jogosult.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Átvitel a mobiltelefonra…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Átvitel a mobiltelefonról…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Törlés…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Objektum mentése másként…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Minden fájl|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>A fogadott fénykép előnézete (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Lista lekérése…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Válassza ki a mappát, ahová a(z) %1!d! kijelölt fájlt menteni szeretné:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>A kiválasztott fájl formátumát a Quillora nem ismeri,
ezért a mobiltelefon valószínűleg nem támogatja.
Próbáljon ki egy másik fájlt, vagy módosítsa a fájl kiterjesztését.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Saját képek</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Saját hangok</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Saját animációk</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>A mobiltelefonon váratlan hiba történt a feldolgozás során (hibakód: %1!d!).
Próbálja meg kikapcsolni, majd újra bekapcsolni a telefont.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Az objektum túl nagy a mobiltelefon számára (hibakód: %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>A mobiltelefon nem támogatja ezt a fajta objektumot (hibakód: %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>A mobiltelefon nem támogatja ennek az objektumnak a formátumát (hibakód: %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Ez az objektum nem található a mobiltelefonon. Valószínűleg időközben törölték. (hibakód: %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>A mobiltelefonon váratlan hiba történt a szinkronizálás során (hibakód: %1!d!).
Próbálja újra, vagy kapcsolja ki, majd újra be a telefont.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Ezen a mobiltelefonon nincs tárolt fájl!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Cím</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! kB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1-fájl</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Soha</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Rákérdezés</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Mindig</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>A port ellenőrzése</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>A port nem érhető el ezen a gépen, vagy a BIOS-ban le van tiltva.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Egy másik program éppen használja ezt a portot. Először zárja be azt</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Nem sikerült hozzáférni a porthoz. Próbálja meg újraindítani a számítógépet</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Úgy tűnik, ez a port nem a számítógép külső portja</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Ezen a porton nem található kábel</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Adatkábel észlelve, de nincs csatlakoztatva mobiltelefon</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Nem kompatibilis kábel észlelve. Használjon a(z) %3 által forgalmazott adatkábelt</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Az ehhez a porthoz csatlakoztatott kábel nem ismerhető fel. Ellenőrizze a csatlakozásokat</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Csatlakoztatott adatkábel észlelve</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>A mobiltelefon nem válaszol. Próbálja meg kikapcsolni, majd újra bekapcsolni</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Modem észlelve %1!d! bit/s sebességgel</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Helyezzen be SIM-kártyát a mobiltelefonba, vagy kapcsolja be.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>A modem nem azonosítható</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>A mobiltelefon SIM-zárolt, vagy a PIN-kódra, illetve a telefonkódra vár.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Azonosított modem: „%2”</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>A csatlakoztatott eszköz nem kompatibilis mobiltelefon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Mobiltelefon észlelve: „%2”!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>A(z) %1 porton egy „%2” típusú mobiltelefon található,
de nem támogatja az objektumok letöltését</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A(z) %1 porton egy mobiltelefon található,
de SIM-zárolt.
Adja meg a SIM-zár kódját a mobiltelefonon.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A(z) %1 porton egy mobiltelefon található,
de még nincs megadva a telefonkód.
Adja meg a telefonkódot a mobiltelefonon.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A(z) %1 porton egy mobiltelefon található,
de még nincs megadva a PIN-kód.
Adja meg a PIN-kódot a mobiltelefonon.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>A(z) %1 porton egy mobiltelefon található,
de úgy tűnik, nincs bekapcsolva, vagy nincs benne SIM-kártya.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Korlátlan</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Legfeljebb %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Csak fekete-fehér</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1 bites színek</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progresszív kódolás</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Veszteségmentes mód</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorgrafika</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 támogatott</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 nem támogatott</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Egyszólamú</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Legfeljebb %1 szólam</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvenciatartomány: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bit – %2 – %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Monó</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Sztereó</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>%1!d! perc van hátra</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>%1!d! másodperc van hátra</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>%2!d! bájtból %1!d! fogadva</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Hiba történt (hibakód: %1!d!)</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>A(z) „%2” fájl nem nyitható meg</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>A(z) „%2” fájl üres!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>A(z) „%2” fájl nem olvasható!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Ez a mobiltelefon nem támogatja az objektumok letöltését</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>A mobiltelefon váratlan választ adott</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>A mobiltelefon memóriája nem tud ekkora objektumot tárolni.
Válasszon kisebb objektumot, vagy töröljön néhány objektumot a mobiltelefonról.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>A(z) „%2” fájl nem hozható létre</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Nem sikerült hozzáférni a kommunikációs porthoz</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>A mobiltelefonról fogadott adatok érvénytelenek</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>A mobiltelefon hibát jelzett.
Lehet, hogy a kiválasztott fájl már nem létezik</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>A mobiltelefon nem értette a kérést. Próbálja újra…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>A mobiltelefon már nem válaszol. Ellenőrizze, hogy megfelelően csatlakozik-e.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Letöltési hiba, adatok vesztek el.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>K&amp;ilépés</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Fogadás…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Mobiltelefon automatikus felismerése…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(csatlakoztassa most a mobiltelefont, ha még nem tette meg)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Mobiltelefon típusa:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>port:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Küldés…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>sebesség:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Lehetséges átvitelek:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Súgófájl megjelenítése</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>A Quillora használata</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>Ez az &amp;ablak jelenjen meg indításkor</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Nyelv: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Elérhető objektumok listája</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Bezárás</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Letöltés…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Törlés…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>&amp;Összes kijelölése</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>A kép forgatása az óramutató járásával megegyezően</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>A kép forgatása az óramutató járásával ellentétesen</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>A kép vízszintes tükrözése</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>A kép függőleges tükrözése</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>A kép szürkeárnyalatossá alakítása (nem vonható vissza)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>WAV/PCM-változat készítése &amp;AMR-hangokból:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>WAV/PCM-változat készítése A&amp;DPCM-hangokból:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Gombhangok kikapcsolása</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Fájlcsere megerősítése</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Igen, &amp;mindet</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Kihagyás</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Átnevezés</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Ebben a mappában már van „%1” nevű fájl.
Lecseréli a meglévő fájlt a mobiltelefonról származó fájlra?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Objektum törlésének megerősítése</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Biztosan törölni szeretné ezt: „%1”?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Biztosan törölni szeretné ezt a(z) %1 elemet?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Igen</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Ne &amp;kérdezzen rá többé</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Átvitel előkészítése…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>A mobiltelefon által támogatott objektumformátumok</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Képek (háttérképek vagy hívócsoport-ikonok)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animációk (képernyővédők)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Hangok (dallamok)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Formátum</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Max.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Méretek</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Korlátozások</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – Váratlan hiba</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Váratlan hiba történt!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Hely: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> sor: </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Érték: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Forduljon a program szerzőjéhez</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Az adatok másolásához nyomja meg a Ctrl+C billentyűkombinációt)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;ismeretlen alkalmazás&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>forrás</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>A hivatkozás nem nyitható meg:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Az operációs rendszer kifogyott
a memóriából vagy az erőforrásokból.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>A megadott fájl nem található.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>A megadott elérési út nem található.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Az operációs rendszer megtagadta
a hozzáférést a megadott fájlhoz.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Nincs elég memória a művelet végrehajtásához.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>A futtatható fájl érvénytelen
(nem támogatott formátum vagy sérült fájl).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Megosztási hiba történt. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A fájltársítás
hiányos vagy érvénytelen.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>A DDE-tranzakciót nem sikerült
befejezni, mert a kérés túllépte az időkorlátot.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>A DDE-tranzakció sikertelen.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>A DDE-tranzakciót nem sikerült
befejezni, mert más DDE-tranzakciók
feldolgozása volt folyamatban.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nincs alkalmazás társítva
a megadott fájlkiterjesztéshez.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>A megadott dinamikus csatolású könyvtár (DLL) nem található.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Ismeretlen hiba történt (%d).</translation>
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
        <translation>&amp;Nyelv:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>A jpegtran nem található: telepítse a libjpeg-turbo-progs csomagot</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>A(z) %1 képet nem sikerült lecserélni az átalakított másolatára:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Elküldendő, amint a program megtalálja a mobiltelefont: %1</translation>
    </message>
</context>
</TS>
