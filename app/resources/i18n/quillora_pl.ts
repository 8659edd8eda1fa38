<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;O programie Quillora…</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Ustawienia zostaną w pełni zastosowane po ponownym uruchomieniu programu</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Wykrywanie telefonu komórkowego</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(utracono połączenie z telefonem komórkowym)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Utracono połączenie z telefonem komórkowym!
Podłącz go ponownie i spróbuj jeszcze raz…</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Formaty obsługiwane przez telefon %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Wszystkie obsługiwane formaty</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Pliki graficzne</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Animacje</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Pliki dźwiękowe</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Pliki vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Pliki vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Odczytywanie pliku…</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Otwieranie sesji…</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Wysyłanie tytułu…</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Wysyłanie danych pliku…</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Oczekiwanie na potwierdzenie…</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Zamykanie sesji…</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Wysyłanie żądania pliku…</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Odbieranie danych pliku…</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Wysyłanie danych pliku w postaci skompresowanej…</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Przerywanie przesyłania… Proszę czekać</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Format tego dźwięku (%1) nie jest bezpośrednio obsługiwany przez większość odtwarzaczy w systemie Linux.
Quillora może też utworzyć kopię w formacie WAV/PCM (do odtworzenia w każdym odtwarzaczu).
Czy wykonać konwersję?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Wystąpił błąd przesyłania!
Telefon komórkowy nie odebrał poprawnie wszystkich danych.
Przyczyną może być kabel, który nie obsługuje sprzętowej kontroli przepływu.
Czy ponowić przesyłanie z mniejszą prędkością?
(może to rozwiązać problem)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Usuwanie obiektów…</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Wysyłanie i odbieranie</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Tylko wysyłanie</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>To narzędzie umożliwia przesyłanie obiektów z komputera do telefonu komórkowego %1.
Możesz wysyłać do telefonu obrazy, animacje i dźwięki oraz pobierać zapisane w nim obiekty.

To narzędzie jest udostępniane przez firmę %2 bez żadnej gwarancji. Przesyłaj wyłącznie obiekty, do których używania masz prawo.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Przesyłanie do telefonu komórkowego…</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Przesyłanie z telefonu komórkowego…</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Usuwanie…</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Zapisz obiekt jako…</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Wszystkie pliki|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Podgląd odebranego zdjęcia (%d×%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Pobieranie listy…</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Wybierz katalog, w którym mają zostać zapisane wybrane pliki (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Wybrany plik ma format nieznany programowi Quillora,
dlatego prawdopodobnie nie jest obsługiwany przez telefon komórkowy.
Spróbuj wybrać inny plik lub zmienić rozszerzenie tego pliku.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Moje obrazy</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Moje dźwięki</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Moje animacje</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>W telefonie komórkowym wystąpił nieoczekiwany błąd podczas przetwarzania (kod błędu: %1!d!).
Spróbuj wyłączyć i ponownie włączyć telefon.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Obiekt jest za duży dla telefonu komórkowego (kod błędu: %1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefon komórkowy nie obsługuje tego rodzaju obiektów (kod błędu: %1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Telefon komórkowy nie obsługuje formatu tego obiektu (kod błędu: %1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Nie znaleziono tego obiektu w telefonie komórkowym. Prawdopodobnie został w międzyczasie usunięty. (kod błędu: %1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>W telefonie komórkowym wystąpił nieoczekiwany błąd podczas synchronizacji (kod błędu: %1!d!).
Spróbuj ponownie lub wyłącz i ponownie włącz telefon.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>W tym telefonie komórkowym nie ma zapisanych plików!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Rozmiar</translation>
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
        <translation>Plik %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Nigdy</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Pytaj</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Zawsze</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Sprawdzanie tego portu</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Port niedostępny w tym komputerze lub wyłączony w BIOS-ie.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Inny program używa teraz tego portu. Najpierw go zamknij</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Brak dostępu do tego portu. Spróbuj ponownie uruchomić komputer</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Ten port nie wygląda na zewnętrzny port komputera</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Nie wykryto kabla podłączonego do tego portu</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Wykryto kabel danych, ale nie podłączono do niego telefonu komórkowego</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Wykryto niezgodny kabel. Użyj kabla danych dostarczonego przez firmę %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Nie udało się rozpoznać kabla podłączonego do tego portu. Sprawdź połączenia</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Wykryto podłączony kabel danych</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Brak odpowiedzi z telefonu komórkowego. Spróbuj go wyłączyć i ponownie włączyć</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Znaleziono modem przy prędkości %1!d! b/s</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Włóż kartę SIM do telefonu komórkowego lub włącz go.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Nie można zidentyfikować modemu</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Telefon ma blokadę SIM lub czeka na kod PIN albo kod zabezpieczający.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Zidentyfikowano modem „%2”</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Podłączone urządzenie nie jest zgodnym telefonem komórkowym</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Znaleziono telefon komórkowy „%2”!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Na porcie %1 znaleziono telefon komórkowy „%2”,
ale nie obsługuje on przesyłania obiektów</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porcie %1 znaleziono telefon komórkowy,
ale ma on blokadę SIM (simlock).
Wprowadź w telefonie kod blokady SIM.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porcie %1 znaleziono telefon komórkowy,
ale nie wprowadzono w nim kodu zabezpieczającego.
Wprowadź w telefonie kod zabezpieczający.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porcie %1 znaleziono telefon komórkowy,
ale nie wprowadzono w nim kodu PIN.
Wprowadź w telefonie kod PIN.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Na porcie %1 znaleziono telefon komórkowy,
ale wygląda na to, że nie jest włączony lub nie ma w nim karty SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Bez ograniczeń</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Do %1!d!×%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Tylko czarno-białe</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Kolory %1-bitowe</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Kodowanie progresywne</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Tryb bezstratny</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Grafika wektorowa</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: obsługiwane</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: nieobsługiwane</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Jedna ścieżka</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Do %1 ścieżek</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Zakres częstotliwości: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1-bitowy – %2 – %3 Hz</translation>
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
        <translation>Pozostało minut: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Pozostało sekund: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Odebrano %1!d! z %2!d! bajtów</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Wystąpił błąd %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nie można otworzyć pliku „%2”</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Plik „%2” jest pusty!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nie można odczytać pliku „%2”!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Ten telefon komórkowy nie obsługuje przesyłania obiektów</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Telefon komórkowy zwrócił nieoczekiwaną odpowiedź</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Pamięć telefonu komórkowego nie pomieści obiektu o tym rozmiarze.
Możesz wybrać mniejszy obiekt lub usunąć niektóre obiekty z telefonu komórkowego.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Nie można utworzyć pliku „%2”</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Brak dostępu do portu komunikacyjnego</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Dane odebrane z telefonu komórkowego są nieprawidłowe</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Telefon komórkowy zgłosił błąd.
Być może wybrany plik już nie istnieje</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Telefon komórkowy nie zrozumiał żądania. Spróbuj ponownie…</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Telefon komórkowy przestał odpowiadać. Sprawdź, czy jest prawidłowo podłączony.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Błąd przesyłania – dane zostały utracone.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Odbierz…</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Automatyczne wykrywanie telefonu komórkowego…</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(podłącz teraz telefon komórkowy, jeśli jeszcze nie jest podłączony)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Typ telefonu komórkowego:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>na porcie:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Wyślij…</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>prędkość:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Możliwe operacje:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Pokaż plik pomocy</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Korzystanie z programu Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Pokazuj to okno przy uruchamianiu</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Język: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Lista dostępnych obiektów</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Pobierz…</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Usuń…</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Obróć obraz zgodnie z ruchem wskazówek zegara</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Obróć obraz przeciwnie do ruchu wskazówek zegara</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Odbij obraz w poziomie</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Odbij obraz w pionie</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Przekształć obraz na odcienie szarości (nie można cofnąć)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Twórz wersję WAV/PCM dźwięków AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Twórz wersję WAV/PCM dźwięków A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Wyłącz dźwięki przycisków</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Potwierdzenie zastąpienia pliku</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Zastąp &amp;wszystkie</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Pomiń</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>Zmień &amp;nazwę</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Ten katalog zawiera już plik o nazwie „%1”.
Czy zastąpić istniejący plik plikiem z telefonu komórkowego?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Potwierdzenie usunięcia obiektu</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Czy na pewno usunąć „%1”?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Czy na pewno usunąć wybrane obiekty (%1)?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Nie zadawaj więcej tego &amp;pytania</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Przygotowywanie przesyłania…</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Formaty obiektów obsługiwane przez ten telefon komórkowy</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Obrazy (tapety lub ikony grup kontaktów)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Animacje (wygaszacze ekranu)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Dźwięki (melodie)</translation>
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
        <translation>Wymiary</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Ograniczenia</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – nieoczekiwany błąd</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Wystąpił nieoczekiwany błąd!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>W pliku: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> wiersz </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Wartość: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Skontaktuj się z autorem</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Naciśnij Ctrl+C, aby skopiować te informacje)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;nieznany program&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>źródło</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Nie można otworzyć odnośnika:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>W systemie operacyjnym zabrakło
pamięci lub zasobów.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Nie znaleziono podanego pliku.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Nie znaleziono podanej ścieżki.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>System operacyjny odmówił
dostępu do podanego pliku.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Za mało pamięci, aby ukończyć operację.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Plik wykonywalny jest nieprawidłowy
(nieobsługiwany format lub uszkodzony plik).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Wystąpiło naruszenie zasad udostępniania. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Skojarzenie nazwy pliku jest
niepełne lub nieprawidłowe.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ upłynął limit czasu żądania.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Transakcja DDE nie powiodła się.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Nie można ukończyć transakcji DDE,
ponieważ przetwarzane były
inne transakcje DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Z podanym rozszerzeniem nazwy pliku
nie skojarzono żadnego programu.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Nie znaleziono podanej biblioteki dołączanej dynamicznie (DLL).</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Wystąpił nieznany błąd (%d).</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d b/s</translation>
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
        <translation>&amp;Język:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Nie znaleziono programu jpegtran: zainstaluj pakiet libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Nie można zastąpić obrazu %1 jego przekształconą kopią:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Do wysłania po wykryciu telefonu: %1</translation>
    </message>
</context>
</TS>
