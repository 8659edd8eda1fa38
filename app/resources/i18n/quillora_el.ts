<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_US">
<context>
    <name>Quillora</name>
    <message id="101">
        <source>&amp;About Quillora...</source>
        <translation>&amp;Σχετικά με το Quillora...</translation>
    </message>
    <message id="103">
        <source>Settings will take full effect on the next application startup</source>
        <translation>Οι ρυθμίσεις θα εφαρμοστούν πλήρως στην επόμενη εκκίνηση της εφαρμογής</translation>
    </message>
    <message id="104">
        <source>Mobile phone detection</source>
        <translation>Ανίχνευση κινητού τηλεφώνου</translation>
    </message>
    <message id="105">
        <source>(connection with mobile phone lost)</source>
        <translation>(η σύνδεση με το κινητό τηλέφωνο χάθηκε)</translation>
    </message>
    <message id="106">
        <source>Connection with mobile phone has been lost !
Plug it back and retry...</source>
        <translation>Η σύνδεση με το κινητό τηλέφωνο χάθηκε!
Συνδέστε το ξανά και δοκιμάστε πάλι...</translation>
    </message>
    <message id="120">
        <source>Formats supported by this %1</source>
        <extracomment>%1 = phone model name</extracomment>
        <translation>Μορφές που υποστηρίζει αυτό το %1</translation>
    </message>
    <message id="121">
        <source>All supported formats</source>
        <translation>Όλες οι υποστηριζόμενες μορφές</translation>
    </message>
    <message id="122">
        <source>Graphic Files</source>
        <translation>Αρχεία εικόνας</translation>
    </message>
    <message id="123">
        <source>Animations</source>
        <translation>Κινούμενες εικόνες</translation>
    </message>
    <message id="124">
        <source>Sound Files</source>
        <translation>Αρχεία ήχου</translation>
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
        <translation>Όλα τα αρχεία</translation>
    </message>
    <message id="202">
        <source>Reading file...</source>
        <translation>Ανάγνωση αρχείου...</translation>
    </message>
    <message id="203">
        <source>Opening session...</source>
        <translation>Άνοιγμα συνεδρίας...</translation>
    </message>
    <message id="204">
        <source>Sending title...</source>
        <translation>Αποστολή τίτλου...</translation>
    </message>
    <message id="205">
        <source>Sending file data...</source>
        <translation>Αποστολή δεδομένων αρχείου...</translation>
    </message>
    <message id="206">
        <source>Waiting for acknowledgment...</source>
        <translation>Αναμονή επιβεβαίωσης λήψης...</translation>
    </message>
    <message id="207">
        <source>Closing session...</source>
        <translation>Κλείσιμο συνεδρίας...</translation>
    </message>
    <message id="208">
        <source>Requesting file...</source>
        <translation>Αίτηση αρχείου...</translation>
    </message>
    <message id="209">
        <source>Receiving file data...</source>
        <translation>Λήψη δεδομένων αρχείου...</translation>
    </message>
    <message id="210">
        <source>Sending file data in compressed format...</source>
        <translation>Αποστολή δεδομένων αρχείου σε συμπιεσμένη μορφή...</translation>
    </message>
    <message id="211">
        <source>Stopping transfert... Please wait</source>
        <translation>Διακοπή μεταφοράς... Παρακαλώ περιμένετε</translation>
    </message>
    <message id="212">
        <source>The format of this sound (%1) is not supported natively by most Linux players.
Quillora can also create a copy in WAV/PCM format (playable everywhere).
Would you like to perform the conversion?</source>
        <extracomment>%1 = name of the sound format (ADPCM or AMR)</extracomment>
        <translation>Η μορφή αυτού του ήχου (%1) δεν υποστηρίζεται εγγενώς από τα περισσότερα προγράμματα αναπαραγωγής του Linux.
Το Quillora μπορεί επίσης να δημιουργήσει ένα αντίγραφο σε μορφή WAV/PCM (που αναπαράγεται παντού).
Θέλετε να γίνει η μετατροπή;</translation>
    </message>
    <message id="213">
        <source>A transfert error occured !
The mobile phone did not receive correctly all the data.
This may be caused by a cable that doesn't support hardware flow control.
Do you want to try the transfert again at a low baudrate ?
(this might solve the problem)</source>
        <translation>Παρουσιάστηκε σφάλμα μεταφοράς!
Το κινητό τηλέφωνο δεν έλαβε σωστά όλα τα δεδομένα.
Αυτό μπορεί να οφείλεται σε καλώδιο που δεν υποστηρίζει έλεγχο ροής υλικού.
Θέλετε να δοκιμάσετε ξανά τη μεταφορά με χαμηλότερη ταχύτητα;
(αυτό ίσως λύσει το πρόβλημα)</translation>
    </message>
    <message id="214">
        <source>Deleting objects...</source>
        <translation>Διαγραφή αντικειμένων...</translation>
    </message>
    <message id="301">
        <source>Send/Receive</source>
        <translation>Αποστολή/Λήψη</translation>
    </message>
    <message id="302">
        <source>Send only</source>
        <translation>Μόνο αποστολή</translation>
    </message>
    <message id="401">
        <source>This software tool allows object transfers from a PC to a %1 mobile phone.
You can send pictures, animations and sounds to your phone, and retrieve the objects it stores.

This tool is provided by %2 without any warranty. Transfer only objects that you have the right to use.</source>
        <extracomment>%1 = company short name, %2 = company name</extracomment>
        <translation>Αυτό το εργαλείο επιτρέπει τη μεταφορά αντικειμένων από υπολογιστή σε κινητό τηλέφωνο %1.
Μπορείτε να στείλετε εικόνες, κινούμενες εικόνες και ήχους στο κινητό σας και να ανακτήσετε τα αντικείμενα που είναι αποθηκευμένα σε αυτό.

Το εργαλείο παρέχεται από την εταιρεία %2 χωρίς καμία εγγύηση. Μεταφέρετε μόνο αντικείμενα που έχετε δικαίωμα να χρησιμοποιείτε.</translation>
    </message>
    <message id="501">
        <source>Transferring to mobile phone...</source>
        <translation>Μεταφορά στο κινητό τηλέφωνο...</translation>
    </message>
    <message id="502">
        <source>Transferring from mobile phone...</source>
        <translation>Μεταφορά από το κινητό τηλέφωνο...</translation>
    </message>
    <message id="503">
        <source>Deleting...</source>
        <translation>Διαγραφή...</translation>
    </message>
    <message id="601">
        <source>Save object as...</source>
        <translation>Αποθήκευση αντικειμένου ως...</translation>
    </message>
    <message id="602">
        <source>%1 (%2)|%2|All Files|*.*||</source>
        <extracomment>%1 = file type description, %2 = file name patterns; keep the | separators and *.* unchanged</extracomment>
        <translation>%1 (%2)|%2|Όλα τα αρχεία|*.*||</translation>
    </message>
    <message id="603">
        <source>Received photo preview (%dx%d)</source>
        <extracomment>%d, %d = width and height of the picture in pixels</extracomment>
        <translation>Προεπισκόπηση της φωτογραφίας που λήφθηκε (%dx%d)</translation>
    </message>
    <message id="604">
        <source>Retrieving list...</source>
        <translation>Ανάκτηση λίστας...</translation>
    </message>
    <message id="605">
        <source>Please select the directory the %1!d! selected files should be saved in:</source>
        <extracomment>%1!d! = number of selected files</extracomment>
        <translation>Επιλέξτε τον φάκελο όπου θα αποθηκευτούν τα %1!d! επιλεγμένα αρχεία:</translation>
    </message>
    <message id="606">
        <source>The file you selected has a format unknown to Quillora,
and is therefore probably not supported by your mobile phone.
Please try another file, or maybe change this file's extension.</source>
        <translation>Το αρχείο που επιλέξατε έχει μορφή άγνωστη στο Quillora
και επομένως μάλλον δεν υποστηρίζεται από το κινητό σας.
Δοκιμάστε άλλο αρχείο ή ίσως αλλάξτε την επέκταση αυτού του αρχείου.</translation>
    </message>
    <message id="609">
        <source>My Pictures</source>
        <translation>Οι εικόνες μου</translation>
    </message>
    <message id="610">
        <source>My Sounds</source>
        <translation>Οι ήχοι μου</translation>
    </message>
    <message id="611">
        <source>My Animations</source>
        <translation>Οι κινούμενες εικόνες μου</translation>
    </message>
    <message id="700">
        <source>Mobile phone encountered an unexpected error during processing (Err%1!d!).
Try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Το κινητό τηλέφωνο αντιμετώπισε απρόσμενο σφάλμα κατά την επεξεργασία (Err%1!d!).
Δοκιμάστε να κλείσετε το κινητό σας και να το ανοίξετε ξανά.</translation>
    </message>
    <message id="701">
        <source>The object is too big for the mobile phone (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Το αντικείμενο είναι πολύ μεγάλο για το κινητό τηλέφωνο (Err%1!d!)</translation>
    </message>
    <message id="702">
        <source>Mobile phone doesn't support that kind of object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Το κινητό τηλέφωνο δεν υποστηρίζει αυτό το είδος αντικειμένου (Err%1!d!)</translation>
    </message>
    <message id="703">
        <source>Mobile phone doesn't support the format of this object (Err%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Το κινητό τηλέφωνο δεν υποστηρίζει τη μορφή αυτού του αντικειμένου (Err%1!d!)</translation>
    </message>
    <message id="704">
        <source>This object is not found on the mobile phone. It has been probably erased since. (Err:%1!d!)</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Αυτό το αντικείμενο δεν βρέθηκε στο κινητό τηλέφωνο. Μάλλον έχει διαγραφεί στο μεταξύ. (Err:%1!d!)</translation>
    </message>
    <message id="705">
        <source>Mobile phone encountered an unexpected error during synchronisation (Err:%1!d!).
Try again or try turning your phone off and back on.</source>
        <extracomment>%1!d! = error code of the phone</extracomment>
        <translation>Το κινητό τηλέφωνο αντιμετώπισε απρόσμενο σφάλμα κατά τον συγχρονισμό (Err:%1!d!).
Δοκιμάστε ξανά ή κλείστε το κινητό σας και ανοίξτε το πάλι.</translation>
    </message>
    <message id="706">
        <source>No file has been stored on this mobile phone !</source>
        <translation>Δεν υπάρχει κανένα αποθηκευμένο αρχείο σε αυτό το κινητό τηλέφωνο!</translation>
    </message>
    <message id="801">
        <source>Title</source>
        <translation>Τίτλος</translation>
    </message>
    <message id="802">
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message id="803">
        <source>%1!d! KB</source>
        <extracomment>%1!d! = size in kilobytes</extracomment>
        <translation>%1!d! KB</translation>
    </message>
    <message id="804">
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message id="805">
        <source>%1 File</source>
        <extracomment>%1 = file extension or type name in upper case, e.g. WAV</extracomment>
        <translation>Αρχείο %1</translation>
    </message>
    <message id="900">
        <source>Never</source>
        <translation>Ποτέ</translation>
    </message>
    <message id="901">
        <source>Ask</source>
        <translation>Με ερώτηση</translation>
    </message>
    <message id="902">
        <source>Always</source>
        <translation>Πάντα</translation>
    </message>
    <message id="4096">
        <source>Checking this port</source>
        <translation>Έλεγχος αυτής της θύρας</translation>
    </message>
    <message id="4097">
        <source>Port unavailable on this machine or disabled by BIOS.</source>
        <translation>Η θύρα δεν είναι διαθέσιμη σε αυτόν τον υπολογιστή ή έχει απενεργοποιηθεί από το BIOS.</translation>
    </message>
    <message id="4098">
        <source>Another program is currently using this port. Please close it first</source>
        <translation>Ένα άλλο πρόγραμμα χρησιμοποιεί αυτή τη θύρα. Κλείστε το πρώτα</translation>
    </message>
    <message id="4099">
        <source>Unable to access this port. Try to restart your computer</source>
        <translation>Δεν είναι δυνατή η πρόσβαση σε αυτή τη θύρα. Δοκιμάστε να επανεκκινήσετε τον υπολογιστή σας</translation>
    </message>
    <message id="4145">
        <source>This port doesn't seem to be an external port of your PC</source>
        <translation>Αυτή η θύρα δεν φαίνεται να είναι εξωτερική θύρα του υπολογιστή σας</translation>
    </message>
    <message id="4146">
        <source>No cable found on this port</source>
        <translation>Δεν βρέθηκε καλώδιο σε αυτή τη θύρα</translation>
    </message>
    <message id="4147">
        <source>A DATA cable has been detected, but no mobile phone is connected</source>
        <translation>Ανιχνεύτηκε καλώδιο DATA, αλλά δεν είναι συνδεδεμένο κανένα κινητό τηλέφωνο</translation>
    </message>
    <message id="4148">
        <source>Incompatible cable detected. Use a DATA cable provided by %3</source>
        <extracomment>%3 = company short name</extracomment>
        <translation>Ανιχνεύτηκε μη συμβατό καλώδιο. Χρησιμοποιήστε καλώδιο DATA που παρέχει η εταιρεία %3</translation>
    </message>
    <message id="4149">
        <source>The cable connected to this port couldn't be recognized. Check your connections</source>
        <translation>Το καλώδιο που είναι συνδεδεμένο σε αυτή τη θύρα δεν αναγνωρίστηκε. Ελέγξτε τις συνδέσεις σας</translation>
    </message>
    <message id="4160">
        <source>A connected DATA cable has been detected</source>
        <translation>Ανιχνεύτηκε συνδεδεμένο καλώδιο DATA</translation>
    </message>
    <message id="4177">
        <source>No answer from mobile phone. Try shutting down and restarting it</source>
        <translation>Καμία απόκριση από το κινητό τηλέφωνο. Δοκιμάστε να το κλείσετε και να το ανοίξετε ξανά</translation>
    </message>
    <message id="4192">
        <source>Modem found at %1!d! bps</source>
        <extracomment>%1!d! = line speed in bit/s</extracomment>
        <translation>Βρέθηκε μόντεμ στα %1!d! bps</translation>
    </message>
    <message id="4193">
        <source>You must put a SIM card in your mobile or start it.</source>
        <translation>Πρέπει να τοποθετήσετε κάρτα SIM στο κινητό σας ή να το ανοίξετε.</translation>
    </message>
    <message id="4194">
        <source>Unable to identify the modem</source>
        <translation>Δεν είναι δυνατή η αναγνώριση του μόντεμ</translation>
    </message>
    <message id="4195">
        <source>The mobile is SIM locked or waiting for the PIN or Phone code.</source>
        <translation>Το κινητό έχει κλείδωμα SIM ή περιμένει τον κωδικό PIN ή τον κωδικό τηλεφώνου.</translation>
    </message>
    <message id="4208">
        <source>A modem "%2" has been identified</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Αναγνωρίστηκε μόντεμ «%2»</translation>
    </message>
    <message id="4209">
        <source>Connected device is not a compatible mobile phone</source>
        <translation>Η συνδεδεμένη συσκευή δεν είναι συμβατό κινητό τηλέφωνο</translation>
    </message>
    <message id="4224">
        <source>Mobile phone "%2" found !</source>
        <extracomment>%2 = phone model name</extracomment>
        <translation>Βρέθηκε το κινητό τηλέφωνο «%2»!</translation>
    </message>
    <message id="4239">
        <source>A "%2" mobile phone has been found on port %1
but it doesn't support object downloading</source>
        <extracomment>%1 = port name, %2 = phone model name</extracomment>
        <translation>Βρέθηκε κινητό τηλέφωνο «%2» στη θύρα %1,
αλλά δεν υποστηρίζει τη μεταφορά αντικειμένων</translation>
    </message>
    <message id="5000">
        <source>A mobile phone has been found on port %1
but it is SIM locked.
Please enter the SIM lock code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Βρέθηκε κινητό τηλέφωνο στη θύρα %1,
αλλά έχει κλείδωμα SIM.
Πληκτρολογήστε τον κωδικό ξεκλειδώματος SIM στο κινητό τηλέφωνο.</translation>
    </message>
    <message id="5001">
        <source>A mobile phone has been found on port %1
but its phone code has not been entered.
Please enter the phone code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Βρέθηκε κινητό τηλέφωνο στη θύρα %1,
αλλά δεν έχει πληκτρολογηθεί ο κωδικός τηλεφώνου.
Πληκτρολογήστε τον κωδικό τηλεφώνου στο κινητό τηλέφωνο.</translation>
    </message>
    <message id="5002">
        <source>A mobile phone has been found on port %1
but its PIN code has not been entered.
Please enter the PIN code on the mobile phone.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Βρέθηκε κινητό τηλέφωνο στη θύρα %1,
αλλά δεν έχει πληκτρολογηθεί ο κωδικός PIN.
Πληκτρολογήστε τον κωδικό PIN στο κινητό τηλέφωνο.</translation>
    </message>
    <message id="5003">
        <source>A mobile phone has been found on port %1
but it doesn't seem to be started or to contain a SIM card.</source>
        <extracomment>%1 = port name</extracomment>
        <translation>Βρέθηκε κινητό τηλέφωνο στη θύρα %1,
αλλά δεν φαίνεται να είναι ανοιχτό ή να έχει κάρτα SIM.</translation>
    </message>
    <message id="6000">
        <source>Unlimited</source>
        <translation>Απεριόριστο</translation>
    </message>
    <message id="6001">
        <source>Up to %1!d!x%2!d!</source>
        <extracomment>%1!d! = maximum width, %2!d! = maximum height, in pixels</extracomment>
        <translation>Έως %1!d!x%2!d!</translation>
    </message>
    <message id="6002">
        <source>Black &amp; White only</source>
        <translation>Μόνο ασπρόμαυρο</translation>
    </message>
    <message id="6003">
        <source>, </source>
        <translation>, </translation>
    </message>
    <message id="6004">
        <source>%1-bits color</source>
        <extracomment>%1 = list of colour depths in bits, e.g. 1, 8, 24</extracomment>
        <translation>Χρώμα %1 bit</translation>
    </message>
    <message id="6005">
        <source>Progressive encoding</source>
        <translation>Προοδευτική κωδικοποίηση</translation>
    </message>
    <message id="6006">
        <source>Lossless mode</source>
        <translation>Λειτουργία χωρίς απώλειες</translation>
    </message>
    <message id="6007">
        <source>Vector graphic</source>
        <translation>Διανυσματικό γραφικό</translation>
    </message>
    <message id="6008">
        <source>%1 supported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: υποστηρίζεται</translation>
    </message>
    <message id="6009">
        <source>%1 unsupported</source>
        <extracomment>%1 = name of a format feature</extracomment>
        <translation>%1: δεν υποστηρίζεται</translation>
    </message>
    <message id="6010">
        <source>Single track</source>
        <translation>Μία φωνή</translation>
    </message>
    <message id="6011">
        <source>Up to %1 tracks</source>
        <extracomment>%1 = number of tracks</extracomment>
        <translation>Έως %1 φωνές</translation>
    </message>
    <message id="6012">
        <source>Frequency range: %1-%2 Hz</source>
        <extracomment>%1 = lowest frequency, %2 = highest frequency</extracomment>
        <translation>Εύρος συχνοτήτων: %1-%2 Hz</translation>
    </message>
    <message id="6013">
        <source>%1 bits - %2 - %3 Hz</source>
        <extracomment>%1 = bits per sample, %2 = channels (Mono or Stereo), %3 = sample rate</extracomment>
        <translation>%1 bit - %2 - %3 Hz</translation>
    </message>
    <message id="6014">
        <source>Mono</source>
        <translation>Μονοφωνικό</translation>
    </message>
    <message id="6015">
        <source>Stereo</source>
        <translation>Στερεοφωνικό</translation>
    </message>
    <message id="8739">
        <source>%1!d! minutes left</source>
        <extracomment>%1!d! = number of minutes</extracomment>
        <translation>Απομένουν %1!d! λεπτά</translation>
    </message>
    <message id="8740">
        <source>%1!d! seconds left</source>
        <extracomment>%1!d! = number of seconds</extracomment>
        <translation>Απομένουν %1!d! δευτερόλεπτα</translation>
    </message>
    <message id="8741">
        <source>%1!d! bytes received out of %2!d!</source>
        <extracomment>%1!d! = bytes received so far, %2!d! = total bytes</extracomment>
        <translation>Ελήφθησαν %1!d! από %2!d! byte</translation>
    </message>
    <message id="65000">
        <source>An error %1!d! has occured</source>
        <extracomment>%1!d! = error code</extracomment>
        <translation>Παρουσιάστηκε το σφάλμα %1!d!</translation>
    </message>
    <message id="65001">
        <source>Unable to open file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου «%2»</translation>
    </message>
    <message id="65002">
        <source>File "%2" is empty !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Το αρχείο «%2» είναι κενό!</translation>
    </message>
    <message id="65003">
        <source>Unable to read file "%2" !</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Δεν είναι δυνατή η ανάγνωση του αρχείου «%2»!</translation>
    </message>
    <message id="65004">
        <source>This mobile phone doesn't support object downloading</source>
        <translation>Αυτό το κινητό τηλέφωνο δεν υποστηρίζει τη μεταφορά αντικειμένων</translation>
    </message>
    <message id="65006">
        <source>Mobile phone replied with an unexpected reply</source>
        <translation>Το κινητό τηλέφωνο έδωσε μια απρόσμενη απάντηση</translation>
    </message>
    <message id="65007">
        <source>The mobile phone memory cannot store an object with this size.
You can choose a smaller object or delete some object from the mobile phone.</source>
        <translation>Η μνήμη του κινητού τηλεφώνου δεν μπορεί να αποθηκεύσει αντικείμενο αυτού του μεγέθους.
Μπορείτε να επιλέξετε μικρότερο αντικείμενο ή να διαγράψετε κάποια αντικείμενα από το κινητό τηλέφωνο.</translation>
    </message>
    <message id="65008">
        <source>Unable to create file "%2"</source>
        <extracomment>%2 = file name</extracomment>
        <translation>Δεν είναι δυνατή η δημιουργία του αρχείου «%2»</translation>
    </message>
    <message id="65009">
        <source>Unable to access communication port</source>
        <translation>Δεν είναι δυνατή η πρόσβαση στη θύρα επικοινωνίας</translation>
    </message>
    <message id="65010">
        <source>Data received from mobile phone are invalid</source>
        <translation>Τα δεδομένα που ελήφθησαν από το κινητό τηλέφωνο δεν είναι έγκυρα</translation>
    </message>
    <message id="65011">
        <source>The mobile phone has notified an error.
The selected file might not exist anymore</source>
        <translation>Το κινητό τηλέφωνο ανέφερε σφάλμα.
Το επιλεγμένο αρχείο ίσως δεν υπάρχει πια</translation>
    </message>
    <message id="65012">
        <source>The mobile phone didn't understand the request. Try again...</source>
        <translation>Το κινητό τηλέφωνο δεν κατάλαβε το αίτημα. Δοκιμάστε ξανά...</translation>
    </message>
    <message id="65013">
        <source>The mobile phone does not answer anymore. Please check that it is correctly connected.</source>
        <translation>Το κινητό τηλέφωνο δεν αποκρίνεται πλέον. Ελέγξτε ότι είναι σωστά συνδεδεμένο.</translation>
    </message>
    <message id="65014">
        <source>Download error, datas have been lost.</source>
        <translation>Σφάλμα μεταφοράς: χάθηκαν δεδομένα.</translation>
    </message>
    <message id="dlg102.caption">
        <source>Quillora %1</source>
        <extracomment>%1 = program version</extracomment>
        <translation>Quillora %1</translation>
    </message>
    <message id="dlg102.1">
        <source>&amp;Exit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message id="dlg102.10">
        <source>&amp;Receive...</source>
        <translation>&amp;Λήψη...</translation>
    </message>
    <message id="dlg102.1003">
        <source>Automatic detection of mobile phone...</source>
        <translation>Αυτόματη ανίχνευση κινητού τηλεφώνου...</translation>
    </message>
    <message id="dlg102.1004">
        <source>(plug your mobile phone now if not already done)</source>
        <translation>(συνδέστε τώρα το κινητό σας, αν δεν το έχετε κάνει ήδη)</translation>
    </message>
    <message id="dlg102.1006">
        <source>Mobile phone type:</source>
        <translation>Τύπος κινητού τηλεφώνου:</translation>
    </message>
    <message id="dlg102.1010">
        <source>on port:</source>
        <translation>στη θύρα:</translation>
    </message>
    <message id="dlg102.1013">
        <source>&amp;Send...</source>
        <translation>&amp;Αποστολή...</translation>
    </message>
    <message id="dlg102.1014">
        <source>speed:</source>
        <translation>ταχύτητα:</translation>
    </message>
    <message id="dlg102.1041">
        <source>Possible transfers:</source>
        <translation>Δυνατές μεταφορές:</translation>
    </message>
    <message id="dlg102.1045">
        <source>Se&amp;ttings</source>
        <translation>&amp;Ρυθμίσεις</translation>
    </message>
    <message id="dlg102.1069">
        <source>?</source>
        <translation>?</translation>
    </message>
    <message id="dlg102.57670">
        <source>Show Help file</source>
        <translation>Εμφάνιση αρχείου βοήθειας</translation>
    </message>
    <message id="dlg112.caption">
        <source>Use of Quillora</source>
        <translation>Χρήση του Quillora</translation>
    </message>
    <message id="dlg112.1">
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message id="dlg112.2">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="dlg112.1033">
        <source>&amp;Show this screen at startup</source>
        <translation>&amp;Εμφάνιση αυτής της οθόνης κατά την εκκίνηση</translation>
    </message>
    <message id="dlg112.1057">
        <source>Language: </source>
        <translation>Γλώσσα: </translation>
    </message>
    <message id="dlg113.caption">
        <source>List of available objects</source>
        <translation>Λίστα διαθέσιμων αντικειμένων</translation>
    </message>
    <message id="dlg113.2">
        <source>&amp;Close</source>
        <translation>&amp;Κλείσιμο</translation>
    </message>
    <message id="dlg113.1024">
        <source>&amp;Retrieve...</source>
        <translation>&amp;Ανάκτηση...</translation>
    </message>
    <message id="dlg113.1025">
        <source>&amp;Delete...</source>
        <translation>&amp;Διαγραφή...</translation>
    </message>
    <message id="dlg113.1036">
        <source>Select &amp;all</source>
        <translation>Επιλογή ό&amp;λων</translation>
    </message>
    <message id="dlg114.1">
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message id="dlg114.1030">
        <source>Rotate the image clockwise</source>
        <translation>Περιστροφή της εικόνας δεξιόστροφα</translation>
    </message>
    <message id="dlg114.1031">
        <source>Rotates the image counter-clockwise</source>
        <translation>Περιστροφή της εικόνας αριστερόστροφα</translation>
    </message>
    <message id="dlg114.1032">
        <source>Flip the image horizontally</source>
        <translation>Οριζόντια αναστροφή της εικόνας</translation>
    </message>
    <message id="dlg114.1033">
        <source>Flip the image vertically</source>
        <translation>Κατακόρυφη αναστροφή της εικόνας</translation>
    </message>
    <message id="dlg114.1034">
        <source>Reduce the image to greyscale (cannot be undone)</source>
        <translation>Μετατροπή της εικόνας σε αποχρώσεις του γκρι (δεν αναιρείται)</translation>
    </message>
    <message id="dlg154.caption">
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message id="dlg154.1">
        <source>OK</source>
        <translation>Εντάξει</translation>
    </message>
    <message id="dlg154.2">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="dlg154.9">
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message id="dlg154.1058">
        <source>&amp;Create a WAV/PCM version of AMR sounds:</source>
        <translation>&amp;Δημιουργία έκδοσης WAV/PCM των ήχων AMR:</translation>
    </message>
    <message id="dlg154.1062">
        <source>Create a WAV/PCM version of A&amp;DPCM sounds:</source>
        <translation>Δημιουργία έκδοσης WAV/PCM των ήχων A&amp;DPCM:</translation>
    </message>
    <message id="dlg154.1070">
        <source>Disable buttons sounds</source>
        <translation>Απενεργοποίηση ήχων κουμπιών</translation>
    </message>
    <message id="dlg157.caption">
        <source>Confirm file replace</source>
        <translation>Επιβεβαίωση αντικατάστασης αρχείου</translation>
    </message>
    <message id="dlg157.1">
        <source>&amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
    <message id="dlg157.2">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="dlg157.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message id="dlg157.7">
        <source>&amp;Skip</source>
        <translation>&amp;Παράλειψη</translation>
    </message>
    <message id="dlg157.1037">
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message id="dlg157.12291">
        <source>This directory already contains a file named '%1'.
Do you want to replace the existing file with the file from the mobile ?</source>
        <extracomment>%1 = file name</extracomment>
        <translation>Αυτός ο φάκελος περιέχει ήδη ένα αρχείο με όνομα «%1».
Θέλετε να αντικαταστήσετε το υπάρχον αρχείο με το αρχείο από το κινητό;</translation>
    </message>
    <message id="dlg158.caption">
        <source>Confirm object delete</source>
        <translation>Επιβεβαίωση διαγραφής αντικειμένου</translation>
    </message>
    <message id="dlg158.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message id="dlg158.7">
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message id="dlg158.12291">
        <source>Are you sure you want to delete '%1'?</source>
        <extracomment>%1 = title of the object</extracomment>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε το «%1»;</translation>
    </message>
    <message id="dlg158.12295">
        <source>Do you really want to delete these %1 items?</source>
        <extracomment>%1 = number of objects</extracomment>
        <translation>Θέλετε πράγματι να διαγράψετε αυτά τα %1 στοιχεία;</translation>
    </message>
    <message id="dlg161.caption">
        <source>Quillora</source>
        <translation>Quillora</translation>
    </message>
    <message id="dlg161.6">
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message id="dlg161.7">
        <source>&amp;No</source>
        <translation>Ό&amp;χι</translation>
    </message>
    <message id="dlg161.1065">
        <source>&amp;Do not ask this question anymore</source>
        <translation>Να μην ξαναγίνει αυτή η &amp;ερώτηση</translation>
    </message>
    <message id="dlg1020.2">
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message id="dlg1020.1019">
        <source>Preparing transfert...</source>
        <translation>Προετοιμασία μεταφοράς...</translation>
    </message>
    <message id="html165.title">
        <source>Object formats supported by this mobile</source>
        <translation>Μορφές αντικειμένων που υποστηρίζει αυτό το κινητό</translation>
    </message>
    <message id="html165.pictures">
        <source>Pictures (Wallpapers or Caller group icons)</source>
        <translation>Εικόνες (ταπετσαρίες ή εικονίδια ομάδων επαφών)</translation>
    </message>
    <message id="html165.animations">
        <source>Animations (Screensavers)</source>
        <translation>Κινούμενες εικόνες (προφυλάξεις οθόνης)</translation>
    </message>
    <message id="html165.sounds">
        <source>Sounds (Melodies)</source>
        <translation>Ήχοι (μελωδίες)</translation>
    </message>
    <message id="html165.format">
        <source>Format</source>
        <translation>Μορφή</translation>
    </message>
    <message id="html165.max">
        <source>Max</source>
        <translation>Μέγ.</translation>
    </message>
    <message id="html165.dimensions">
        <source>Dimensions</source>
        <translation>Διαστάσεις</translation>
    </message>
    <message id="html165.limitations">
        <source>Limitations</source>
        <translation>Περιορισμοί</translation>
    </message>
    <message id="html165.close">
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message id="fatal.caption">
        <source>%1 - Unexpected error</source>
        <extracomment>%1 = program name</extracomment>
        <translation>%1 - Απρόσμενο σφάλμα</translation>
    </message>
    <message id="fatal.noReason">
        <source>An unexpected error has occured !</source>
        <translation>Παρουσιάστηκε απρόσμενο σφάλμα!</translation>
    </message>
    <message id="fatal.in">
        <source>In: </source>
        <translation>Θέση: </translation>
    </message>
    <message id="fatal.line">
        <source> line </source>
        <translation> γραμμή </translation>
    </message>
    <message id="fatal.value">
        <source>Value: </source>
        <translation>Τιμή: </translation>
    </message>
    <message id="fatal.contact">
        <source>Please contact the author</source>
        <translation>Επικοινωνήστε με τον δημιουργό</translation>
    </message>
    <message id="fatal.copy">
        <source>(Press Ctrl-C to copy this information)</source>
        <translation>(Πατήστε Ctrl+C για να αντιγράψετε αυτές τις πληροφορίες)</translation>
    </message>
    <message id="fatal.unknownApp">
        <source>&lt;unknown application&gt;</source>
        <translation>&lt;άγνωστη εφαρμογή&gt;</translation>
    </message>
    <message id="fatal.source">
        <source>source</source>
        <translation>πηγαίο αρχείο</translation>
    </message>
    <message id="hyperlink.unableToOpen">
        <source>Unable to open hyperlink:

</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του συνδέσμου:

</translation>
    </message>
    <message id="hyperlink.error0">
        <source>The operating system is out
of memory or resources.</source>
        <translation>Το λειτουργικό σύστημα δεν έχει
αρκετή μνήμη ή πόρους.</translation>
    </message>
    <message id="hyperlink.error2">
        <source>The specified file was not found.</source>
        <translation>Το καθορισμένο αρχείο δεν βρέθηκε.</translation>
    </message>
    <message id="hyperlink.error3">
        <source>The specified path was not found.</source>
        <translation>Η καθορισμένη διαδρομή δεν βρέθηκε.</translation>
    </message>
    <message id="hyperlink.error5">
        <source>The operating system denied
access to the specified file.</source>
        <translation>Το λειτουργικό σύστημα αρνήθηκε
την πρόσβαση στο καθορισμένο αρχείο.</translation>
    </message>
    <message id="hyperlink.error8">
        <source>There was not enough memory to complete the operation.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη για την ολοκλήρωση της λειτουργίας.</translation>
    </message>
    <message id="hyperlink.error11">
        <source>The executable file is invalid
(unsupported format or damaged file).</source>
        <translation>Το εκτελέσιμο αρχείο δεν είναι έγκυρο
(μη υποστηριζόμενη μορφή ή κατεστραμμένο αρχείο).</translation>
    </message>
    <message id="hyperlink.error26">
        <source>A sharing violation occurred. </source>
        <translation>Παρουσιάστηκε παραβίαση κοινής χρήσης. </translation>
    </message>
    <message id="hyperlink.error27">
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Η συσχέτιση του ονόματος αρχείου είναι
ελλιπής ή μη έγκυρη.</translation>
    </message>
    <message id="hyperlink.error28">
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Η συναλλαγή DDE δεν ήταν δυνατό
να ολοκληρωθεί επειδή έληξε το χρονικό όριο του αιτήματος.</translation>
    </message>
    <message id="hyperlink.error29">
        <source>The DDE transaction failed.</source>
        <translation>Η συναλλαγή DDE απέτυχε.</translation>
    </message>
    <message id="hyperlink.error30">
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Η συναλλαγή DDE δεν ήταν δυνατό
να ολοκληρωθεί επειδή γινόταν επεξεργασία
άλλων συναλλαγών DDE.</translation>
    </message>
    <message id="hyperlink.error31">
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Δεν υπάρχει εφαρμογή συσχετισμένη
με τη συγκεκριμένη επέκταση ονόματος αρχείου.</translation>
    </message>
    <message id="hyperlink.error32">
        <source>The specified dynamic-link library was not found.</source>
        <translation>Η καθορισμένη δυναμική βιβλιοθήκη δεν βρέθηκε.</translation>
    </message>
    <message id="hyperlink.errorOther">
        <source>Unknown Error (%d) occurred.</source>
        <extracomment>%d = error code</extracomment>
        <translation>Παρουσιάστηκε άγνωστο σφάλμα (%d).</translation>
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
        <translation>&amp;Γλώσσα:</translation>
    </message>
    <message id="preview.noJpegtran">
        <source>jpegtran was not found: install the libjpeg-turbo-progs package</source>
        <translation>Το jpegtran δεν βρέθηκε: εγκαταστήστε το πακέτο libjpeg-turbo-progs</translation>
    </message>
    <message id="preview.replaceFailed">
        <source>The picture %1 could not be replaced by its transformed copy:
%2</source>
        <extracomment>%1 = the picture's file, %2 = the system's reason</extracomment>
        <translation>Η εικόνα %1 δεν ήταν δυνατό να αντικατασταθεί από το μετασχηματισμένο αντίγραφό της:
%2</translation>
    </message>
    <message id="main.pending">
        <source>To send once a phone is found: %1</source>
        <extracomment>%1 = names of the files opened before a phone was connected</extracomment>
        <translation>Για αποστολή μόλις βρεθεί κινητό τηλέφωνο: %1</translation>
    </message>
</context>
</TS>
