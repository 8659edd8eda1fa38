<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Относно Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Настройките ще влязат изцяло в сила при следващото стартиране на програмата</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Откриване на мобилния телефон</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(връзката с мобилния телефон е прекъсната)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Връзката с мобилния телефон беше прекъсната!
Свържете го отново и опитайте пак...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Формати, поддържани от %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Всички поддържани формати</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Графични файлове</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Анимации</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Звукови файлове</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Файлове vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Файлове vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Всички файлове</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Четене на файла...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Отваряне на сесията...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Изпращане на заглавието...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Изпращане на данните от файла...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Изчакване на потвърждение...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Затваряне на сесията...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Заявяване на файла...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Получаване на данните от файла...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Изпращане на данните от файла в компресиран вид...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Спиране на прехвърлянето... Моля, изчакайте</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Форматът на този звук (%1) не се поддържа от повечето плейъри за Linux.
Quillora може да създаде и копие във формат WAV/PCM (възпроизвежда се навсякъде).
Искате ли да извършите преобразуването?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Възникна грешка при прехвърлянето!
Мобилният телефон не получи правилно всички данни.
Причината може да е кабел, който не поддържа хардуерно управление на потока.
Искате ли да опитате прехвърлянето отново с по-ниска скорост?
(това може да реши проблема)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Изтриване на обектите...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Изпращане/получаване</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Само изпращане</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Тази програма позволява прехвърляне на обекти от компютър към мобилен телефон %1.
Можете да изпращате към телефона си изображения, анимации и звуци, както и да получавате съхранените в него обекти.

Програмата се предоставя от %2 без никаква гаранция. Прехвърляйте само обекти, които имате право да използвате.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Прехвърляне към мобилния телефон...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Прехвърляне от мобилния телефон...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Изтриване...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Запазване на обекта като...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Всички файлове|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Преглед на получената снимка (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Получаване на списъка...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Посочете папка за запазване на избраните файлове (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Избраният файл е във формат, непознат за Quillora,
и затова вероятно не се поддържа от мобилния ви телефон.
Опитайте с друг файл или сменете разширението на този файл.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Моите изображения</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Моите звуци</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Моите анимации</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>В мобилния телефон възникна неочаквана грешка при обработката (Err%1!d!).
Опитайте да изключите телефона и да го включите отново.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Обектът е твърде голям за мобилния телефон (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобилният телефон не поддържа този вид обекти (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобилният телефон не поддържа формата на този обект (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Този обект не е намерен в мобилния телефон. Вероятно междувременно е бил изтрит. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>В мобилния телефон възникна неочаквана грешка при синхронизацията (Err:%1!d!).
Опитайте отново или изключете телефона и го включете пак.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>В този мобилен телефон няма съхранени файлове!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Заглавие</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! КБ</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>Файл %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Никога</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Да се пита</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Винаги</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Проверка на този порт</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Портът липсва на този компютър или е изключен от BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Този порт в момента се използва от друга програма. Първо я затворете</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Няма достъп до този порт. Опитайте да рестартирате компютъра</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Изглежда, този порт не е външен порт на компютъра</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>На този порт не е открит кабел</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Открит е кабел DATA, но към него не е свързан мобилен телефон</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Открит е несъвместим кабел. Използвайте кабел DATA от %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Кабелът, свързан към този порт, не е разпознат. Проверете връзките</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Открит е свързан кабел DATA</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Мобилният телефон не отговаря. Опитайте да го изключите и включите отново</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Открит е модем при скорост %1!d! бит/с</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Поставете SIM карта в телефона или го включете.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Модемът не може да бъде разпознат</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Телефонът е със SIM заключване или очаква въвеждане на PIN кода или кода на телефона.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Разпознат е модем „%2“</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Свързаното устройство не е съвместим мобилен телефон</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Открит е мобилен телефон „%2“!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>На порт %1 е открит мобилен телефон „%2“,
но той не поддържа изтегляне на обекти</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порт %1 е открит мобилен телефон,
но той е със SIM заключване.
Въведете кода за SIM отключване в самия мобилен телефон.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порт %1 е открит мобилен телефон,
но кодът на телефона не е въведен.
Въведете кода на телефона в самия мобилен телефон.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порт %1 е открит мобилен телефон,
но PIN кодът не е въведен.
Въведете PIN кода в самия мобилен телефон.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порт %1 е открит мобилен телефон,
но изглежда, че не е включен или в него няма SIM карта.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Неограничено</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>До %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Само черно-бели</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-битов цвят</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Прогресивно кодиране</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Режим без загуби</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Векторна графика</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 се поддържа</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1 не се поддържа</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Един глас</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>До %1 гласа</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Честотен обхват: %1–%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 бита – %2 – %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Оставащи минути: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Оставащи секунди: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Получени байтове: %1!d! от %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Възникна грешка %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файлът „%2“ не може да бъде отворен</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файлът „%2“ е празен!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файлът „%2“ не може да бъде прочетен!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Този мобилен телефон не поддържа изтегляне на обекти</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Мобилният телефон върна неочакван отговор</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>В паметта на мобилния телефон няма място за обект с такъв размер.
Можете да изберете по-малък обект или да изтриете някои обекти от мобилния телефон.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файлът „%2“ не може да бъде създаден</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Няма достъп до комуникационния порт</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Данните, получени от мобилния телефон, са невалидни</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Мобилният телефон съобщи за грешка.
Възможно е избраният файл вече да не съществува</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Мобилният телефон не разбра заявката. Опитайте отново...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Мобилният телефон вече не отговаря. Проверете дали е свързан правилно.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Грешка при изтеглянето, данните са загубени.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>Из&amp;ход</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Получи...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Автоматично откриване на мобилния телефон...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(свържете мобилния си телефон сега, ако още не сте го направили)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Тип мобилен телефон:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>на порт:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Изпрати...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>скорост:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Възможни операции:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Показване на помощния файл</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Използване на Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Показване на този прозорец при стартиране</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Език: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Списък на наличните обекти</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Затваряне</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Получаване...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Изтриване...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>&amp;Маркиране на всички</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Завъртане на изображението по часовниковата стрелка</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Завъртане на изображението обратно на часовниковата стрелка</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Хоризонтално обръщане на изображението</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Вертикално обръщане на изображението</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Преобразуване на изображението в нюанси на сивото (необратимо)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>Добре</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Помощ</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Създаване на копие WAV/PCM на звуците AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Създаване на копие WAV/PCM на &amp;звуците ADPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Изключване на звуците на бутоните</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Потвърждение за замяна на файл</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Да за &amp;всички</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Пропускане</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>Преи&amp;менуване</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>В тази папка вече има файл с име „%1“.
Искате ли да замените съществуващия файл с файла от телефона?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Потвърждение за изтриване на обект</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Наистина ли искате да изтриете „%1“?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Наистина ли искате да изтриете тези %1 обекта?</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Този въпрос да не се задава &amp;повече</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Подготовка за прехвърляне...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Формати на обекти, поддържани от този телефон</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Изображения (тапети или икони на групи абонати)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Анимации (скрийнсейвъри)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Звуци (мелодии)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Макс.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Размери</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Ограничения</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Затваряне</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 – неочаквана грешка</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Възникна неочаквана грешка!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Място: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> ред </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Стойност: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Моля, свържете се с автора</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Натиснете Ctrl-C, за да копирате тази информация)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;неизвестна програма&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>изходен файл</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Връзката не може да бъде отворена:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционната система няма достатъчно
памет или ресурси.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Указаният файл не е намерен.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Указаният път не е намерен.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционната система отказа
достъп до указания файл.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Няма достатъчно памет за завършване на операцията.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Изпълнимият файл е невалиден
(неподдържан формат или повреден файл).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Възникна нарушение на споделения достъп. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Асоциацията за този тип файлове е
непълна или невалидна.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE транзакцията не можа да бъде
завършена, защото времето за заявката изтече.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE транзакцията е неуспешна.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE транзакцията не можа да бъде
завършена, защото се обработваха
други DDE транзакции.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Няма програма, асоциирана
с даденото файлово разширение.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указаната динамична библиотека не е намерена.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Възникна неизвестна грешка (%d).</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d бит/с</translation>
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
        <translation>&amp;Език:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Програмата jpegtran не е намерена: инсталирайте пакета libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Изображението %1 не можа да бъде заменено с преобразуваното си копие:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>За изпращане след откриване на телефон: %1</translation>
    </message>
</context>
</TS>
