<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;О программе Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Настройки полностью вступят в силу при следующем запуске программы</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Обнаружение мобильного телефона</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(связь с мобильным телефоном потеряна)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Связь с мобильным телефоном потеряна!
Подключите его снова и повторите попытку...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Форматы, поддерживаемые телефоном %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Все поддерживаемые форматы</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Графические файлы</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Анимации</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Звуковые файлы</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>Файлы vCard</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>Файлы vCalendar</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Чтение файла...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Открытие сеанса...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Отправка названия...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Отправка данных файла...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Ожидание подтверждения...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Закрытие сеанса...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Запрос файла...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Получение данных файла...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Отправка данных файла в сжатом виде...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Остановка передачи... Подождите</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Формат этого звука (%1) не поддерживается большинством проигрывателей в Linux.
Quillora может также создать копию в формате WAV/PCM (воспроизводится везде).
Выполнить преобразование?</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Произошла ошибка передачи!
Мобильный телефон получил данные не полностью или с ошибками.
Возможно, кабель не поддерживает аппаратное управление потоком.
Повторить передачу на низкой скорости?
(это может решить проблему)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Удаление объектов...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Отправка/получение</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Только отправка</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Эта программа позволяет передавать объекты с компьютера на мобильный телефон %1.
Вы можете отправлять на телефон изображения, анимации и звуки, а также получать хранящиеся на нём объекты.

Программа предоставляется компанией %2 без каких-либо гарантий. Передавайте только те объекты, которые вы имеете право использовать.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Передача на мобильный телефон...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Передача с мобильного телефона...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Удаление...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Сохранить объект как...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Все файлы|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Просмотр полученного снимка (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Получение списка...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Укажите папку для сохранения выбранных файлов (%1!d!):</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Формат выбранного файла неизвестен программе Quillora,
поэтому, скорее всего, он не поддерживается вашим мобильным телефоном.
Попробуйте другой файл или измените расширение этого файла.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Мои изображения</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Мои звуки</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Мои анимации</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>В мобильном телефоне произошла непредвиденная ошибка при обработке (Err%1!d!).
Попробуйте выключить и снова включить телефон.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Объект слишком большой для мобильного телефона (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобильный телефон не поддерживает объекты такого типа (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Мобильный телефон не поддерживает формат этого объекта (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Этот объект не найден на мобильном телефоне. Вероятно, он уже был удалён. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>В мобильном телефоне произошла непредвиденная ошибка при синхронизации (Err:%1!d!).
Повторите попытку или выключите и снова включите телефон.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>На этом мобильном телефоне нет сохранённых файлов!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Название</translation>
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
        <translation>Никогда</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Спрашивать</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Всегда</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Проверка этого порта</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Порт отсутствует на этом компьютере или отключён в BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Этот порт сейчас занят другой программой. Сначала закройте её</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Нет доступа к этому порту. Попробуйте перезагрузить компьютер</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Похоже, этот порт не является внешним портом компьютера</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>На этом порту кабель не обнаружен</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Обнаружен кабель DATA, но мобильный телефон не подключён</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Обнаружен несовместимый кабель. Используйте кабель DATA от %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Не удалось распознать кабель, подключённый к этому порту. Проверьте подключение</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Обнаружен подключённый кабель DATA</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Мобильный телефон не отвечает. Попробуйте выключить и снова включить его</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Найден модем на скорости %1!d! бит/с</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Вставьте SIM-карту в телефон или включите его.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Не удалось определить модем</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Телефон заблокирован (SIM-блокировка) или ожидает ввода PIN-кода или кода телефона.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Определён модем «%2»</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Подключённое устройство не является совместимым мобильным телефоном</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Найден мобильный телефон «%2»!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>На порту %1 найден мобильный телефон «%2»,
но он не поддерживает загрузку объектов</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 найден мобильный телефон,
но на нём установлена SIM-блокировка.
Введите на мобильном телефоне код снятия SIM-блокировки.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 найден мобильный телефон,
но код телефона не введён.
Введите на мобильном телефоне код телефона.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 найден мобильный телефон,
но PIN-код не введён.
Введите на мобильном телефоне PIN-код.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>На порту %1 найден мобильный телефон,
но, похоже, он не включён или в нём нет SIM-карты.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>До %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Только чёрно-белые</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1-битный цвет</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Прогрессивное кодирование</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Режим без потерь</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Векторная графика</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: поддерживается</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: не поддерживается</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Один голос</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>До %1 голосов</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Диапазон частот: %1–%2 Гц</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 бит — %2 — %3 Гц</translation>
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
        <translation>Осталось минут: %1!d!</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Осталось секунд: %1!d!</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Получено байт: %1!d! из %2!d!</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Произошла ошибка %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не удалось открыть файл «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Файл «%2» пуст!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не удалось прочитать файл «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Этот мобильный телефон не поддерживает загрузку объектов</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Мобильный телефон прислал неожиданный ответ</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>В памяти мобильного телефона недостаточно места для объекта такого размера.
Выберите объект поменьше или удалите некоторые объекты с мобильного телефона.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Не удалось создать файл «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Нет доступа к порту связи</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Данные, полученные от мобильного телефона, некорректны</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Мобильный телефон сообщил об ошибке.
Возможно, выбранный файл больше не существует</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Мобильный телефон не понял запрос. Повторите попытку...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Мобильный телефон больше не отвечает. Проверьте, правильно ли он подключён.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Ошибка загрузки, данные потеряны.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>По&amp;лучить...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Автоматическое обнаружение мобильного телефона...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(подключите мобильный телефон, если ещё не сделали этого)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Тип мобильного телефона:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>на порту:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Передать...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>скорость:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Доступные операции:</translation>
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
        <translation>Показать файл справки</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Использование Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Показывать это окно при запуске</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Язык: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Список доступных объектов</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Получить...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Удалить...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Выбрать &amp;все</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Повернуть изображение по часовой стрелке</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Повернуть изображение против часовой стрелки</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Отразить изображение по горизонтали</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Отразить изображение по вертикали</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Преобразовать изображение в оттенки серого (нельзя отменить)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Создавать копию WAV/PCM для звуков AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Создавать копию WAV/PCM для &amp;звуков ADPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Отключить звуки кнопок</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Подтверждение замены файла</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Да для &amp;всех</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Пропустить</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>П&amp;ереименовать</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>В этой папке уже есть файл с именем «%1».
Заменить существующий файл файлом с телефона?</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Подтверждение удаления объекта</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Вы действительно хотите удалить «%1»?</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Вы действительно хотите удалить выбранные объекты (%1)?</translation>
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
        <translation>&amp;Нет</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>&amp;Больше не задавать этот вопрос</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Подготовка к передаче...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Форматы объектов, поддерживаемые этим телефоном</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Изображения (обои или значки групп абонентов)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Анимации (заставки)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Звуки (мелодии)</translation>
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
        <translation>Размеры</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Ограничения</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 — непредвиденная ошибка</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Произошла непредвиденная ошибка!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Место: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> строка </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Значение: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Свяжитесь с автором программы</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Нажмите Ctrl-C, чтобы скопировать эти сведения)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;неизвестная программа&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>исходный файл</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Не удалось открыть ссылку:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Недопустимый исполняемый файл
(неподдерживаемый формат или файл повреждён).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление для этого типа файлов
неполное или недопустимое.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как истекло время ожидания запроса.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Сбой транзакции DDE.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как выполнялись другие
транзакции DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Нет программы, сопоставленной
с указанным расширением имени файла.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная динамическая библиотека не найдена.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Произошла неизвестная ошибка (%d).</translation>
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
        <translation>&amp;Язык:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Программа jpegtran не найдена: установите пакет libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Не удалось заменить изображение %1 его преобразованной копией:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Отправка после обнаружения телефона: %1</translation>
    </message>
</context>
</TS>
