<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>關於 Quillora(&amp;A)...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>設定將於下次啟動程式後完全生效</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>手機偵測</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>（與手機的連線已中斷）</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>與手機的連線已中斷！
請重新接上手機後再試一次...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>此 %1 支援的格式</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>所有支援的格式</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>圖片檔案</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>動畫</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>聲音檔案</translation>
    </message>
    <message id="125">
        <source>vCards</source>
        <translation>vCard 名片</translation>
    </message>
    <message id="126">
        <source>vCalendars</source>
        <translation>vCalendar 行事曆</translation>
    </message>
    <message id="127">
        <source>All Files</source>
        <translation>所有檔案</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>正在讀取檔案...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>正在開啟工作階段...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>正在傳送標題...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>正在傳送檔案資料...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>正在等待確認...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>正在關閉工作階段...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>正在要求檔案...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>正在接收檔案資料...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>正在以壓縮格式傳送檔案資料...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>正在停止傳輸...請稍候</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>大多數 Linux 播放程式不直接支援這種聲音格式（%1）。
Quillora 也可以另外建立一份 WAV/PCM 格式的副本（到處都能播放）。
要進行轉換嗎？</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>傳輸發生錯誤！
手機未能正確接收所有資料。
這可能是因為傳輸線不支援硬體流量控制。
要以較低的速度再傳輸一次嗎？
（這也許能解決問題）</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>正在刪除項目...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>傳送/接收</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>僅傳送</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>本工具可以將項目從電腦傳輸到 %1 手機。
您可以將圖片、動畫和聲音傳送到手機，也可以取回手機中儲存的項目。

本工具由 %2 提供，不附帶任何擔保。請只傳輸您有權使用的項目。</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>正在傳輸到手機...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>正在從手機傳輸...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>正在刪除...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>項目另存為...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|所有檔案|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>收到的相片預覽（%dx%d）</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>正在取得清單...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>請選擇要儲存所選 %1!d! 個檔案的資料夾：</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>您選擇的檔案格式 Quillora 無法辨識，
因此您的手機很可能也不支援。
請改用其他檔案，或試著變更此檔案的副檔名。</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>我的圖片</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>我的聲音</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>我的動畫</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手機在處理時發生未預期的錯誤（錯誤 %1!d!）。
請試著將手機關機後再開機。</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>此項目太大，手機無法容納（錯誤 %1!d!）</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手機不支援此類項目（錯誤 %1!d!）</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手機不支援此項目的格式（錯誤 %1!d!）</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>在手機上找不到此項目，可能已被刪除（錯誤 %1!d!）。</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>手機在同步時發生未預期的錯誤（錯誤 %1!d!）。
請再試一次，或將手機關機後再開機。</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>這支手機中沒有儲存任何檔案！</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>%1 檔案</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>永不</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>詢問</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>總是</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>正在檢查此連接埠</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>此電腦上沒有這個連接埠，或該連接埠已在 BIOS 中停用。</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>另一個程式正在使用此連接埠。請先關閉該程式</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>無法存取此連接埠。請試著重新啟動電腦</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>此連接埠似乎不是電腦的外部連接埠</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>此連接埠上找不到傳輸線</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>偵測到資料傳輸線，但未連接手機</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>偵測到不相容的傳輸線。請使用 %3 提供的資料傳輸線</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>無法辨識連接到此連接埠的傳輸線。請檢查接線</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>偵測到已連接的資料傳輸線</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>手機沒有回應。請試著將手機關機後再重新開機</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>找到數據機（%1!d! bps）</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>請在手機中插入 SIM 卡，或將手機開機。</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>無法辨識數據機</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>手機已被 SIM 鎖定，或正在等待輸入 PIN 碼或手機密碼。</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>已辨識出數據機「%2」</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>連接的裝置不是相容的手機</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>找到手機「%2」！</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>在連接埠 %1 找到一支「%2」手機，
但它不支援下載項目</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在連接埠 %1 找到一支手機，
但它已被 SIM 鎖定。
請在手機上輸入 SIM 鎖密碼。</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在連接埠 %1 找到一支手機，
但尚未輸入手機密碼。
請在手機上輸入手機密碼。</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在連接埠 %1 找到一支手機，
但尚未輸入 PIN 碼。
請在手機上輸入 PIN 碼。</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>在連接埠 %1 找到一支手機，
但它似乎尚未開機，或未插入 SIM 卡。</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>無限制</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>最大 %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>僅限黑白</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>%1 位元色彩</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>漸進式編碼</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>無失真模式</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>向量圖形</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>支援%1</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>不支援%1</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>單音</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>最多 %1 和弦</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>頻率範圍：%1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 位元 - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>單聲道</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>立體聲</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>剩餘 %1!d! 分鐘</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>剩餘 %1!d! 秒</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>已接收 %1!d! / %2!d! 位元組</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>發生錯誤 %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>無法開啟檔案「%2」</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>檔案「%2」是空的！</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>無法讀取檔案「%2」！</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>此手機不支援下載項目</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>手機傳回了未預期的回應</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>手機記憶體不足，無法儲存這麼大的項目。
您可以選擇較小的項目，或從手機中刪除一些項目。</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>無法建立檔案「%2」</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>無法存取通訊連接埠</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>從手機接收的資料無效</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>手機回報了一個錯誤。
所選檔案可能已不存在</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>手機無法理解該要求。請再試一次...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>手機已無回應。請檢查手機是否已正確連接。</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>下載錯誤，資料已遺失。</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>離開(&amp;E)</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>接收(&amp;R)...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>正在自動偵測手機...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>（如果尚未接上手機，請現在接上）</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>手機型號：</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>連接埠：</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>傳送(&amp;S)...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>速度：</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>可進行的傳輸：</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>設定(&amp;T)</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>顯示說明檔案</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Quillora 使用說明</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>啟動時顯示此畫面(&amp;S)</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>語言： </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>可用項目清單</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>取回(&amp;R)...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>刪除(&amp;D)...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>全選(&amp;A)</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>順時針旋轉圖片</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>逆時針旋轉圖片</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>水平翻轉圖片</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>垂直翻轉圖片</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>將圖片轉為灰階（無法復原）</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>為 AMR 聲音建立 WAV/PCM 版本(&amp;C)：</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>為 ADPCM 聲音建立 WAV/PCM 版本(&amp;D)：</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>停用按鈕音效</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>確認取代檔案</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>全部取代(&amp;A)</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>略過(&amp;S)</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>重新命名(&amp;R)</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>此資料夾中已有名為「%1」的檔案。
要以手機中的檔案取代現有檔案嗎？</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>確認刪除項目</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>確定要刪除「%1」嗎？</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>確定要刪除這 %1 個項目嗎？</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>不要再詢問此問題(&amp;D)</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>正在準備傳輸...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>此手機支援的項目格式</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>圖片（桌布或來電群組圖示）</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>動畫（螢幕保護程式）</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>聲音（鈴聲）</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>尺寸</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>限制</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - 未預期的錯誤</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>發生未預期的錯誤！</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>位置： </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> 行 </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>值： </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>請聯絡作者</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>（按 Ctrl+C 複製此資訊）</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;不明的應用程式&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>原始檔</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>無法開啟超連結：

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>作業系統記憶體
或資源不足。</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>找不到指定的檔案。</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>找不到指定的路徑。</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>作業系統拒絕
存取指定的檔案。</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>記憶體不足，無法完成操作。</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>執行檔無效
（格式不受支援或檔案已損毀）。</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>發生共用違規。 </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>檔名關聯
不完整或無效。</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>DDE 交易無法完成，
因為要求逾時。</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>DDE 交易失敗。</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>DDE 交易無法完成，
因為正在處理其他
DDE 交易。</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>沒有與此副檔名
關聯的應用程式。</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的動態連結程式庫。</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>發生未知的錯誤（%d）。</translation>
    </message>
    <message id="main.speed">
        <source> %d bps</source>
        <extracomment>%d = line speed in bit/s</extracomment>
        <translation> %d bps</translation>
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
        <translation>語言(&amp;L)：</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>找不到 jpegtran：請安裝 libjpeg-turbo-progs 套件</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>無法以轉換後的副本取代圖片 %1：
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>找到手機後將傳送：%1</translation>
    </message>
</context>
</TS>
