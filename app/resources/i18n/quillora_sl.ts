<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl_SI" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;O programu Quillora …</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Nastavitve bodo v celoti uveljavljene ob naslednjem zagonu programa</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Zaznavanje mobilnega telefona</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(povezava z mobilnim telefonom je prekinjena)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Povezava z mobilnim telefonom je prekinjena!
Znova ga priključite in poskusite še enkrat …</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formati, ki jih podpira %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Vsi podprti formati</translation>
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
        <translation>Zvočne datoteke</translation>
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
        <translation>Vse datoteke</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Branje datoteke …</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Odpiranje seje …</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Pošiljanje naslova …</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Pošiljanje podatkov datoteke …</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Čakanje na potrditev …</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Zapiranje seje …</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Pošiljanje zahteve za datoteko …</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Prejemanje podatkov datoteke …</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Pošiljanje podatkov datoteke v stisnjeni obliki …</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Ustavljanje prenosa … Počakajte</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Večina predvajalnikov v Linuxu ne podpira neposredno formata tega zvoka (%1).
Quillora lahko ustvari tudi kopijo v formatu WAV/PCM (predvaja se povsod).
Ali želite zvok pretvoriti?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Pri prenosu je prišlo do napake!
Mobilni telefon ni pravilno prejel vseh podatkov.
Vzrok je lahko kabel, ki ne podpira strojnega nadzora pretoka.
Ali želite prenos poskusiti znova pri nižji hitrosti?
(to bi lahko odpravilo težavo)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Brisanje elementov …</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Pošiljanje/prejemanje</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Samo pošiljanje</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Ta program omogoča prenos elementov z računalnika na mobilni telefon %1.
Na telefon lahko pošiljate slike, animacije in zvoke ter z njega prenašate elemente, ki so shranjeni v njem.

Ta program ponuja %2 brez kakršnega koli jamstva. Prenašajte samo elemente, ki jih imate pravico uporabljati.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Prenos na mobilni telefon …</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Prenos z mobilnega telefona …</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Brisanje …</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Shrani element kot …</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Vse datoteke|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Predogled prejete fotografije (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Pridobivanje seznama …</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Izberite mapo, v katero naj se shranijo izbrane datoteke (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Izbrana datoteka je v formatu, ki ga Quillora ne pozna,
zato ga vaš mobilni telefon verjetno ne podpira.
Poskusite z drugo datoteko ali pa spremenite pripono te datoteke.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Moje slike</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Moji zvoki</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Moje animacije</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilnem telefonu je med obdelavo prišlo do nepričakovane napake (napaka %1!d!).
Poskusite telefon izklopiti in znova vklopiti.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Element je prevelik za mobilni telefon (napaka %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilni telefon ne podpira te vrste elementov (napaka %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Mobilni telefon ne podpira formata tega elementa (napaka %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Tega elementa ni v mobilnem telefonu. Verjetno je bil medtem izbrisan. (napaka %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>V mobilnem telefonu je med usklajevanjem prišlo do nepričakovane napake (napaka %1!d!).
Poskusite znova ali pa telefon izklopite in znova vklopite.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>V tem mobilnem telefonu ni shranjena nobena datoteka!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Naslov</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Velikost</translation>
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
        <translation>Datoteka %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nikoli</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Vprašaj</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Vedno</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Preverjanje teh vrat</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Vrata na tem računalniku niso na voljo ali pa so onemogočena v BIOS-u.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Ta vrata trenutno uporablja drug program. Najprej ga zaprite</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Dostop do teh vrat ni mogoč. Poskusite znova zagnati računalnik</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Videti je, da to niso zunanja vrata vašega računalnika</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Na teh vratih ni bil najden noben kabel</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Zaznan je podatkovni kabel, vendar ni priključen noben mobilni telefon</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Zaznan je nezdružljiv kabel. Uporabite podatkovni kabel podjetja %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Kabla na teh vratih ni bilo mogoče prepoznati. Preverite povezave</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Zaznan je priključen podatkovni kabel</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Mobilni telefon se ne odziva. Poskusite ga izklopiti in znova vklopiti</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Najden je modem s hitrostjo %1!d! bit/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>V mobilni telefon morate vstaviti kartico SIM ali ga vklopiti.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Modema ni mogoče prepoznati</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Mobilni telefon ima vklopljeno zaklepanje SIM ali čaka na kodo PIN ali varnostno kodo.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Prepoznan je modem »%2«</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Priključena naprava ni združljiv mobilni telefon</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Najden je mobilni telefon »%2«!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Na vratih %1 je bil najden mobilni telefon »%2«,
vendar ne podpira prenosa elementov</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na vratih %1 je bil najden mobilni telefon,
vendar ima vklopljeno zaklepanje SIM.
V mobilni telefon vnesite kodo za odklepanje SIM.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na vratih %1 je bil najden mobilni telefon,
vendar njegova varnostna koda ni bila vnesena.
V mobilni telefon vnesite varnostno kodo.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na vratih %1 je bil najden mobilni telefon,
vendar njegova koda PIN ni bila vnesena.
V mobilni telefon vnesite kodo PIN.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na vratih %1 je bil najden mobilni telefon,
vendar se zdi, da ni vklopljen ali da v njem ni kartice SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Neomejeno</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Do %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Samo črno-belo</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-bitne barve</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Progresivno kodiranje</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Način brez izgub</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Vektorska grafika</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: podprto</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: ni podprto</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Enoglasno</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Število glasov: do %1</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Frekvenčni obseg: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1-bitno – %2 – %3 Hz</translation>
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
        <translation>Preostalo minut: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Preostalo sekund: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Prejetih bajtov: %1!d! od %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Prišlo je do napake %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datoteke »%2« ni mogoče odpreti</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datoteka »%2« je prazna!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datoteke »%2« ni mogoče prebrati!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Ta mobilni telefon ne podpira prenosa elementov</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Mobilni telefon je vrnil nepričakovan odgovor</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Pomnilnik mobilnega telefona ne more shraniti elementa te velikosti.
Izberete lahko manjši element ali pa iz mobilnega telefona izbrišete nekaj elementov.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Datoteke »%2« ni mogoče ustvariti</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Dostop do komunikacijskih vrat ni mogoč</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Podatki, prejeti iz mobilnega telefona, so neveljavni</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Mobilni telefon je sporočil napako.
Izbrana datoteka morda ne obstaja več</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Mobilni telefon ni razumel zahteve. Poskusite znova …</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Mobilni telefon se ne odziva več. Preverite, ali je pravilno priključen.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Napaka pri prenosu, podatki so izgubljeni.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Izhod</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>Pre&amp;jmi …</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Samodejno zaznavanje mobilnega telefona …</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(zdaj priključite mobilni telefon, če ga še niste)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Model telefona:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na vratih:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Pošlji …</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>hitrost:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Mogoči prenosi:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Nastavitve</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Pokaži datoteko pomoči</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Uporaba programa Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Pokaži to okno ob zagonu</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Jezik: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Seznam razpoložljivih elementov</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Zapri</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Prenesi …</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Izbriši …</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Izberi &amp;vse</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Zasukaj sliko v smeri urinega kazalca</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Zasukaj sliko v nasprotni smeri urinega kazalca</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Zrcali sliko vodoravno</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Zrcali sliko navpično</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Pretvori sliko v sivine (tega ni mogoče razveljaviti)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Nastavitve</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Pomoč</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Ustvari različico WAV/PCM za zvoke AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Ustvari različico WAV/PCM za zvoke A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Izklopi zvoke gumbov</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Potrditev zamenjave datoteke</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Da za &amp;vse</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
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
        <translation>Ta mapa že vsebuje datoteko z imenom »%1«.
Ali želite obstoječo datoteko zamenjati z datoteko iz mobilnega telefona?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Potrditev brisanja elementa</translation>
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
        <translation>Ali ste prepričani, da želite izbrisati »%1«?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Ali res želite izbrisati izbrane elemente (%1)?</translation>
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
        <translation>&amp;Tega vprašanja ne zastavljaj več</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Pripravljanje prenosa …</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formati elementov, ki jih podpira ta mobilni telefon</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Slike (ozadja ali ikone skupin klicateljev)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animacije (ohranjevalniki zaslona)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Zvoki (melodije)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Največ</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Mere</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Omejitve</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – nepričakovana napaka</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Prišlo je do nepričakovane napake!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Datoteka: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> vrstica </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Vrednost: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Obrnite se na avtorja</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Pritisnite Ctrl+C, da kopirate te podatke)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;neznan program&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>izvorna koda</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Povezave ni mogoče odpreti:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Operacijskemu sistemu je zmanjkalo
pomnilnika ali virov.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Navedene datoteke ni mogoče najti.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Navedene poti ni mogoče najti.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Operacijski sistem je zavrnil
dostop do navedene datoteke.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za dokončanje dejanja ni dovolj pomnilnika.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Izvršljiva datoteka je neveljavna
(nepodprt format ali poškodovana datoteka).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Prišlo je do kršitve souporabe. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Povezava vrste datoteke s programom
je nepopolna ali neveljavna.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Transakcije DDE ni bilo mogoče
dokončati, ker je zahteva potekla.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Transakcija DDE ni uspela.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Transakcije DDE ni bilo mogoče
dokončati, ker so se obdelovale
druge transakcije DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>S to pripono datoteke ni
povezan noben program.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Navedene dinamične knjižnice (DLL) ni mogoče najti.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Prišlo je do neznane napake (%d).</translation>
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
        <translation>Programa jpegtran ni mogoče najti: namestite paket libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Slike %1 ni bilo mogoče zamenjati s preoblikovano kopijo:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Za pošiljanje, ko bo najden mobilni telefon: %1</translation>
    </message>
</context>
</TS>
