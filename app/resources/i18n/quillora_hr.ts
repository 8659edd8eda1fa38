<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;O programu Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Postavke će u potpunosti stupiti na snagu pri sljedećem pokretanju programa</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Otkrivanje mobitela</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(veza s mobitelom je prekinuta)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Veza s mobitelom je prekinuta!
Ponovno ga priključite i pokušajte još jednom…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formati koje podržava %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Svi podržani formati</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Slikovne datoteke</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animacije</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Zvučne datoteke</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Sve datoteke</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Čitanje datoteke…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Otvaranje sesije…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Slanje naslova…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Slanje podataka datoteke…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Čekanje potvrde…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Zatvaranje sesije…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Slanje zahtjeva za datoteku…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Primanje podataka datoteke…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Slanje podataka datoteke u komprimiranom obliku…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Zaustavljanje prijenosa… Pričekajte</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Većina programa za reprodukciju na Linuxu ne podržava izravno format ovog zvuka (%1).
Quillora može izraditi i kopiju u formatu WAV/PCM (reproducira se svugdje).
Želite li pretvoriti zvuk?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Došlo je do pogreške pri prijenosu!
Mobitel nije ispravno primio sve podatke.
Uzrok može biti kabel koji ne podržava sklopovsku kontrolu protoka.
Želite li ponovno pokušati prijenos pri manjoj brzini?
(to bi moglo riješiti problem)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Brisanje stavki…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Slanje/primanje</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Samo slanje</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Ovaj program omogućuje prijenos stavki s računala na mobitel %1.
Na mobitel možete slati slike, animacije i zvukove te preuzimati stavke koje su na njemu spremljene.

Ovaj program pruža %2 bez ikakvog jamstva. Prenosite samo stavke koje imate pravo koristiti.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Prijenos na mobitel…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Prijenos s mobitela…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Brisanje…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Spremi stavku kao…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Sve datoteke|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Pregled primljene fotografije (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Preuzimanje popisa…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Odaberite mapu za spremanje odabranih datoteka (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Datoteka koju ste odabrali ima format koji Quillora ne poznaje,
pa ga vaš mobitel vjerojatno ne podržava.
Pokušajte s drugom datotekom ili promijenite nastavak ove datoteke.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Moje slike</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Moji zvukovi</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Moje animacije</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Na mobitelu je došlo do neočekivane pogreške pri obradi (pogreška %1!d!).
Pokušajte isključiti i ponovno uključiti mobitel.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Stavka je prevelika za mobitel (pogreška %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobitel ne podržava tu vrstu stavki (pogreška %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobitel ne podržava format ove stavke (pogreška %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Ova stavka nije pronađena na mobitelu. Vjerojatno je u međuvremenu izbrisana. (pogreška %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Na mobitelu je došlo do neočekivane pogreške pri usklađivanju (pogreška %1!d!).
Pokušajte ponovno ili isključite i ponovno uključite mobitel.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Na ovom mobitelu nije spremljena nijedna datoteka!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Naslov</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Veličina</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Vrsta</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1 datoteka</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nikad</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Pitaj</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Uvijek</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Provjera ovog priključka</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Priključak nije dostupan na ovom računalu ili je isključen u BIOS-u.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Drugi program trenutačno koristi ovaj priključak. Najprije ga zatvorite</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Pristup ovom priključku nije moguć. Pokušajte ponovno pokrenuti računalo</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Čini se da ovo nije vanjski priključak vašeg računala</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Na ovom priključku nije pronađen kabel</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Otkriven je podatkovni kabel, ali mobitel nije priključen</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Otkriven je nekompatibilan kabel. Upotrijebite podatkovni kabel tvrtke %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kabel na ovom priključku nije prepoznat. Provjerite spojeve</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Otkriven je priključeni podatkovni kabel</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Mobitel ne odgovara. Pokušajte ga isključiti i ponovno uključiti</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Pronađen je modem pri brzini od %1!d! bit/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>U mobitel morate umetnuti SIM karticu ili ga uključiti.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modem nije moguće prepoznati</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobitel ima uključeno SIM zaključavanje ili čeka PIN ili sigurnosni kod.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Prepoznat je modem „%2“</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Priključeni uređaj nije kompatibilan mobitel</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Pronađen je mobitel „%2“!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Na priključku %1 pronađen je mobitel „%2“,
ali ne podržava prijenos stavki</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na priključku %1 pronađen je mobitel,
ali ima uključeno SIM zaključavanje.
Unesite kod SIM zaključavanja na mobitelu.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na priključku %1 pronađen je mobitel,
ali njegov sigurnosni kod nije unesen.
Unesite sigurnosni kod na mobitelu.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na priključku %1 pronađen je mobitel,
ali njegov PIN kod nije unesen.
Unesite PIN kod na mobitelu.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na priključku %1 pronađen je mobitel,
ali čini se da nije uključen ili da u njemu nema SIM kartice.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Neograničeno</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Do %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Samo crno-bijelo</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bitne boje</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progresivno kodiranje</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Način bez gubitaka</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorska grafika</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: podržano</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: nije podržano</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Jednoglasno</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Broj glasova: do %1</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvencijski raspon: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1-bitni – %2 – %3 Hz</translation>
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
        <translation>Preostalo minuta: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Preostalo sekundi: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Primljeno bajtova: %1!d! od %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Došlo je do pogreške %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nije moguće otvoriti datoteku „%2“</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datoteka „%2“ je prazna!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nije moguće pročitati datoteku „%2“!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Ovaj mobitel ne podržava prijenos stavki</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobitel je poslao neočekivan odgovor</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>U memoriju mobitela ne stane stavka ove veličine.
Možete odabrati manju stavku ili izbrisati neke stavke s mobitela.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nije moguće stvoriti datoteku „%2“</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Nije moguće pristupiti komunikacijskom priključku</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Podaci primljeni s mobitela nisu valjani</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobitel je javio pogrešku.
Odabrana datoteka možda više ne postoji</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobitel nije razumio zahtjev. Pokušajte ponovno…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobitel više ne odgovara. Provjerite je li ispravno priključen.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Pogreška pri preuzimanju, podaci su izgubljeni.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>P&amp;rimi…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatsko otkrivanje mobitela…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(ako već niste, sada priključite mobitel)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Model mobitela:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na priključku:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Pošalji…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>brzina:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Mogući prijenosi:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>Pos&amp;tavke</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Prikaži datoteku pomoći</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Korištenje programa Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Prikaži ovaj zaslon pri pokretanju</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Jezik: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Popis dostupnih stavki</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Preuzmi…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Izbriši…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Odaberi &amp;sve</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Zakreni sliku u smjeru kazaljke na satu</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Zakreni sliku suprotno od smjera kazaljke na satu</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Zrcali sliku vodoravno</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Zrcali sliku okomito</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Pretvori sliku u sive tonove (ne može se poništiti)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Pomoć</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Izradi WAV/PCM inačicu AMR zvukova:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Izradi WAV/PCM inačicu A&amp;DPCM zvukova:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Isključi zvukove gumba</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Potvrda zamjene datoteke</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Preskoči</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>P&amp;reimenuj</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Ova mapa već sadrži datoteku „%1“.
Želite li zamijeniti postojeću datoteku datotekom s mobitela?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Potvrda brisanja stavke</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Jeste li sigurni da želite izbrisati „%1“?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Želite li zaista izbrisati odabrane stavke (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Više ne postavljaj ovo pitanje</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Priprema prijenosa…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formati stavki koje podržava ovaj mobitel</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Slike (pozadine ili ikone grupa pozivatelja)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animacije (čuvari zaslona)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Zvukovi (melodije)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Najviše</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Dimenzije</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Ograničenja</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – neočekivana pogreška</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Došlo je do neočekivane pogreške!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Datoteka: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> redak </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Vrijednost: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Obratite se autoru</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Pritisnite Ctrl+C za kopiranje ovih podataka)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;nepoznati program&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>izvorni kod</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Nije moguće otvoriti poveznicu:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operacijski sustav nema dovoljno
memorije ili resursa.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Navedena datoteka nije pronađena.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Navedena putanja nije pronađena.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operacijski sustav odbio je
pristup navedenoj datoteci.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Nema dovoljno memorije za dovršetak radnje.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Izvršna datoteka nije valjana
(nepodržan format ili oštećena datoteka).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Došlo je do povrede dijeljenja. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Pridruživanje datoteke programu
nije potpuno ili nije valjano.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE transakcija nije dovršena
jer je zahtjevu isteklo vrijeme.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE transakcija nije uspjela.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE transakcija nije dovršena
jer su se obrađivale druge
DDE transakcije.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Nijedan program nije pridružen
navedenom nastavku datoteke.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Navedena dinamička biblioteka (DLL) nije pronađena.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Došlo je do nepoznate pogreške (%d).</translation>
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
        <translation>&amp;Jezik:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Program jpegtran nije pronađen: instalirajte paket libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Sliku %1 nije moguće zamijeniti njezinom izmijenjenom kopijom:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Za slanje kada se pronađe mobitel: %1</translation>
    </message>
</context>
</TS>
