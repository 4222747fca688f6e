<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>Captions</name>
    <message>
        <source>User: </source>
        <extracomment>The mobile provider&apos;s user name on the setup diagram</extracomment>
        <translation>Χρήστης: </translation>
    </message>
    <message>
        <source>PWD: </source>
        <extracomment>The mobile provider&apos;s password on the setup diagram, kept short</extracomment>
        <translation>Κωδικός: </translation>
    </message>
    <message>
        <source>Email: per %1h</source>
        <extracomment>%1 is the number of hours between two e-mails</extracomment>
        <translation>E-mail: ανά %1 ώρ.</translation>
    </message>
    <message>
        <source>Email: Disabled</source>
        <translation>E-mail: Ανενεργό</translation>
    </message>
    <message>
        <source>Alarm SMS: Disabled</source>
        <translation>SMS συναγερμού: Ανενεργό</translation>
    </message>
    <message>
        <source>Alarm SMS: %1</source>
        <extracomment>%1 is the phone number the low-power alarm goes to</extracomment>
        <translation>SMS συναγερμού: %1</translation>
    </message>
    <message>
        <source>Baud: %1</source>
        <extracomment>%1 is a baud rate, such as 9600, or nothing</extracomment>
        <translation>Ταχύτητα: %1</translation>
    </message>
    <message>
        <source>S/N: %1</source>
        <extracomment>%1 is the modem&apos;s serial number</extracomment>
        <translation>Σ/Α: %1</translation>
    </message>
    <message>
        <source>F/W: v%1</source>
        <extracomment>%1 is the modem&apos;s firmware version, such as 2.13</extracomment>
        <translation>Έκδοση: v%1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <extracomment>%1 is the Tessarin server&apos;s port number</extracomment>
        <translation>Θύρα: %1</translation>
    </message>
    <message>
        <source>Server IP port: %1</source>
        <extracomment>%1 is the port number the modem listens on as a server</extracomment>
        <translation>Θύρα IP διακομιστή: %1</translation>
    </message>
    <message>
        <source>Merolan is Tessarin GPRS Client</source>
        <translation>Το Merolan είναι πελάτης GPRS του Tessarin</translation>
    </message>
    <message>
        <source>GPRS network</source>
        <translation>Δίκτυο GPRS</translation>
    </message>
    <message>
        <source>Merolan (Client)</source>
        <translation>Merolan (πελάτης)</translation>
    </message>
    <message>
        <source>Merolan is used with a Ombrilex data logger.</source>
        <translation>Το Merolan χρησιμοποιείται με καταγραφικό Ombrilex.</translation>
    </message>
    <message>
        <source>Merolan is GPRS Server</source>
        <translation>Το Merolan είναι διακομιστής GPRS</translation>
    </message>
    <message>
        <source>Merolan (Server)</source>
        <translation>Merolan (διακομιστής)</translation>
    </message>
    <message>
        <source>Internet</source>
        <extracomment>The far end of the setup diagram when the Merolan is a server</extracomment>
        <translation>Διαδίκτυο</translation>
    </message>
    <message>
        <source>Merolan accepts data calls</source>
        <translation>Το Merolan δέχεται κλήσεις δεδομένων</translation>
    </message>
    <message>
        <source>GSM network</source>
        <translation>Δίκτυο GSM</translation>
    </message>
    <message>
        <source>Merolan expects data calls</source>
        <translation>Merolan (δέχεται κλήσεις)</translation>
    </message>
    <message>
        <source>Modem</source>
        <extracomment>The far end of the setup diagram for data calls: the calling modem</extracomment>
        <translation>Μόντεμ</translation>
    </message>
    <message>
        <source>Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries.</source>
        <translation>Το Merolan χρησιμοποιείται με καταγραφικό Ombrilex. Το Merolan θα απαντά σε ερωτήματα με μηνύματα SMS.</translation>
    </message>
</context>
<context>
    <name>ChangeMarks</name>
    <message>
        <source>Password changed</source>
        <translation>Ο κωδικός πρόσβασης άλλαξε</translation>
    </message>
    <message>
        <source>In the Merolan: %1</source>
        <extracomment>%1 is the value the modem holds, or &quot;(empty)&quot;</extracomment>
        <translation>Στο Merolan: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(κενό)</translation>
    </message>
    <message>
        <source>Recipients: %1</source>
        <extracomment>%1 is the value the modem holds, here and in the three lines after this one</extracomment>
        <translation>Παραλήπτες: %1</translation>
    </message>
    <message>
        <source>Sender: %1</source>
        <translation>Αποστολέας: %1</translation>
    </message>
    <message>
        <source>SMTP server: %1</source>
        <translation>Διακομιστής SMTP: %1</translation>
    </message>
    <message>
        <source>UserID: %1</source>
        <translation>Όνομα χρήστη: %1</translation>
    </message>
    <message>
        <source>In the Merolan:</source>
        <translation>Στο Merolan:</translation>
    </message>
    <message>
        <source>Disabled</source>
        <extracomment>The alarm SMS, when the modem holds no number for it</extracomment>
        <translation>Ανενεργό</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>The baud rate, when the modem holds none the program knows</extracomment>
        <translation>άγνωστη</translation>
    </message>
</context>
<context>
    <name>Connection</name>
    <message>
        <source>The last password change, to &quot;%1&quot;, was not confirmed. Log in with &quot;%1&quot;?</source>
        <translation>Η τελευταία αλλαγή κωδικού πρόσβασης, σε «%1», δεν επιβεβαιώθηκε. Να γίνει σύνδεση με κωδικό «%1»;</translation>
    </message>
    <message>
        <source>Cannot open COM port</source>
        <translation>Δεν είναι δυνατό το άνοιγμα της θύρας COM</translation>
    </message>
    <message>
        <source>Do you want to leave without writing changes to the Merolan?</source>
        <translation>Θέλετε να φύγετε χωρίς να γράψετε τις αλλαγές στο Merolan;</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost.

Open %1 again and log in? Changes not yet written are kept.

No: check the cable and the modem, then press &apos;Finish programming&apos; and &apos;Start programming&apos;.</source>
        <extracomment>%1 is the port&apos;s name, such as COM3 or /dev/ttyUSB0</extracomment>
        <translation>Η σύνδεση με το Merolan χάθηκε.

Να ανοίξει ξανά η %1 και να γίνει σύνδεση με κωδικό; Οι αλλαγές που δεν γράφτηκαν ακόμη διατηρούνται.

Όχι: ελέγξτε το καλώδιο και το μόντεμ και πατήστε «Τέλος προγραμματισμού» και «Έναρξη προγραμματισμού».</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost</source>
        <translation>Η σύνδεση με το Merolan χάθηκε</translation>
    </message>
    <message>
        <source>Merolan programmer will now bring online Device %1 and terminate.
Merolan will start executing its schedule at the Device %1 OFF time.

Do you want to proceed?</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3</extracomment>
        <translation>Το πρόγραμμα θα θέσει τώρα σε λειτουργία τη συσκευή %1 και θα τερματιστεί.
Το Merolan θα αρχίσει να εκτελεί το πρόγραμμά του στην ώρα απενεργοποίησης της συσκευής %1.

Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>Device %1 activation not confirmed: connection to the Merolan lost. The device may be on.</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3</extracomment>
        <translation>Η ενεργοποίηση της συσκευής %1 δεν επιβεβαιώθηκε: η σύνδεση με το Merolan χάθηκε. Η συσκευή μπορεί να είναι σε λειτουργία.</translation>
    </message>
    <message>
        <source>Device %1 activation not confirmed: the Merolan did not answer. The device may be on.</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3</extracomment>
        <translation>Η ενεργοποίηση της συσκευής %1 δεν επιβεβαιώθηκε: το Merolan δεν απάντησε. Η συσκευή μπορεί να είναι σε λειτουργία.</translation>
    </message>
    <message>
        <source>Merolan peripheral %1 port failed to activate</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3</extracomment>
        <translation>Η ενεργοποίηση της θύρας της περιφερειακής συσκευής %1 του Merolan απέτυχε</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>EmailSettings</name>
    <message>
        <source>Email Settings</source>
        <translation>Ρυθμίσεις e-mail</translation>
    </message>
    <message>
        <source>Time interval of email  in hours (required)</source>
        <translation>Διάστημα αποστολής e-mail σε ώρες (υποχρεωτικό)</translation>
    </message>
    <message>
        <source>(*) These parameters are required by certain providers. Consult with the particular provider.</source>
        <translation>(*) Αυτές οι παράμετροι απαιτούνται από ορισμένους παρόχους. Συμβουλευτείτε τον πάροχό σας.</translation>
    </message>
    <message>
        <source>Email Parameters</source>
        <translation>Παράμετροι e-mail</translation>
    </message>
    <message>
        <source>Recipients (required). Enter 1 or more items separated by colons (;).</source>
        <translation>Παραλήπτες (υποχρεωτικό). Δώστε 1 ή περισσότερες διευθύνσεις χωρισμένες με ερωτηματικό (;).</translation>
    </message>
    <message>
        <source>Sender (required)</source>
        <translation>Αποστολέας (υποχρεωτικό)</translation>
    </message>
    <message>
        <source>SMTP Settings</source>
        <translation>Ρυθμίσεις SMTP</translation>
    </message>
    <message>
        <source>Server name (required)</source>
        <translation>Όνομα διακομιστή (υποχρεωτικό)</translation>
    </message>
    <message>
        <source>Email account authentication (*)</source>
        <translation>Πιστοποίηση λογαριασμού e-mail (*)</translation>
    </message>
    <message>
        <source>UserID</source>
        <translation>Όνομα χρήστη</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>
  The SIM card provider settings are required to be able to send email. </source>
        <translation>
  Οι ρυθμίσεις του παρόχου της κάρτας SIM απαιτούνται για την αποστολή e-mail. </translation>
    </message>
</context>
<context>
    <name>FieldEditors</name>
    <message>
        <source>Server port number:</source>
        <translation>Αριθμός θύρας διακομιστή:</translation>
    </message>
    <message>
        <source>Merolan Server settings</source>
        <translation>Ρυθμίσεις διακομιστή Merolan</translation>
    </message>
    <message>
        <source>Wrong Server Port Number!</source>
        <translation>Λάθος αριθμός θύρας διακομιστή!</translation>
    </message>
    <message>
        <source>Merolan will use this number to send a low power supply alarm. Leave field blank to disable this alarm.</source>
        <translation>Το Merolan θα στέλνει σε αυτόν τον αριθμό συναγερμό χαμηλής τροφοδοσίας. Αφήστε το πεδίο κενό για να απενεργοποιήσετε τον συναγερμό.</translation>
    </message>
    <message>
        <source>SMS number</source>
        <translation>Αριθμός SMS</translation>
    </message>
    <message>
        <source>The Merolan baud rate will change after pressing &apos;Finish programming&apos;</source>
        <translation>Η ταχύτητα (baud) του Merolan θα αλλάξει αφού πατήσετε «Τέλος προγραμματισμού»</translation>
    </message>
    <message>
        <source>Changing the Merolan baud rate will require a 3-minute reset after pressing &apos;Finish programming&apos;</source>
        <translation>Η αλλαγή της ταχύτητας (baud) του Merolan θα απαιτήσει επανεκκίνηση 3 λεπτών αφού πατήσετε «Τέλος προγραμματισμού»</translation>
    </message>
</context>
<context>
    <name>FindModem</name>
    <message>
        <source>Merolan modem not found</source>
        <translation>Το μόντεμ Merolan δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Could not communicate with remote Merolan.
If connection dropped please Disconnect and Connect again.</source>
        <translation>Δεν ήταν δυνατή η επικοινωνία με το απομακρυσμένο Merolan.
Αν η σύνδεση διακόπηκε, κάντε αποσύνδεση και σύνδεση ξανά.</translation>
    </message>
    <message>
        <source>Could not communicate with local Merolan.

 - Please wait until any lit LEDs are steadily On OR all DEVICE LEDs are off.<byte value="xd"/>
 - Make sure that the selected baud rate is correct.<byte value="xd"/>
 - Make sure that the selected COM port is correct.</source>
        <translation>Δεν ήταν δυνατή η επικοινωνία με το τοπικό Merolan.

 - Περιμένετε μέχρι όσα LED ανάβουν να μείνουν σταθερά αναμμένα Ή να σβήσουν όλα τα LED των συσκευών (DEVICE).<byte value="xd"/>
 - Βεβαιωθείτε ότι η επιλεγμένη ταχύτητα (baud) είναι σωστή.<byte value="xd"/>
 - Βεβαιωθείτε ότι η επιλεγμένη θύρα COM είναι σωστή.</translation>
    </message>
    <message>
        <source>Merolan modem ready.</source>
        <translation>Το μόντεμ Merolan είναι έτοιμο.</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost</source>
        <translation>Η σύνδεση με το Merolan χάθηκε</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost while %1.</source>
        <extracomment>%1 is what the program was doing, such as &quot;sending the password&quot;</extracomment>
        <translation>Η σύνδεση με το Merolan χάθηκε κατά %1.</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost.

Check the cable and the modem, then connect again: press &apos;Finish programming&apos; (if it is shown), then &apos;Start programming&apos;.</source>
        <translation>Η σύνδεση με το Merolan χάθηκε.

Ελέγξτε το καλώδιο και το μόντεμ και συνδεθείτε ξανά: πατήστε «Τέλος προγραμματισμού» (αν εμφανίζεται) και μετά «Έναρξη προγραμματισμού».</translation>
    </message>
    <message>
        <source>sending the password</source>
        <extracomment>The end of &quot;Connection to the Merolan lost while %1.&quot;</extracomment>
        <translation>την αποστολή του κωδικού πρόσβασης</translation>
    </message>
    <message>
        <source>Password rejected</source>
        <translation>Ο κωδικός πρόσβασης απορρίφθηκε</translation>
    </message>
    <message>
        <source>The Merolan waits for its password: check the password and connect again.</source>
        <translation>Το Merolan περιμένει τον κωδικό πρόσβασής του: ελέγξτε τον κωδικό και συνδεθείτε ξανά.</translation>
    </message>
    <message>
        <source>asking for its serial number</source>
        <extracomment>The end of &quot;Connection to the Merolan lost while %1.&quot;</extracomment>
        <translation>το ερώτημα για τον σειριακό αριθμό του</translation>
    </message>
    <message>
        <source>Searching for Merolan modem...</source>
        <translation>Αναζήτηση μόντεμ Merolan...</translation>
    </message>
    <message>
        <source>Merolan modem found. Synchronizing with data logger. This may take up to a minute..</source>
        <translation>Το μόντεμ Merolan βρέθηκε. Συγχρονισμός με το καταγραφικό. Μπορεί να διαρκέσει έως ένα λεπτό..</translation>
    </message>
    <message>
        <source>Searching for Merolan modem... %1 s of at most 20 s</source>
        <extracomment>%1 is the number of seconds the search has run</extracomment>
        <translation>Αναζήτηση μόντεμ Merolan... %1 s από 20 s το πολύ</translation>
    </message>
    <message>
        <source>Synchronizing with data logger: %1 s of at most a minute...</source>
        <extracomment>%1 is the number of seconds the synchronisation has run</extracomment>
        <translation>Συγχρονισμός με το καταγραφικό: %1 s από ένα λεπτό το πολύ...</translation>
    </message>
</context>
<context>
    <name>GPRSSettings</name>
    <message>
        <source>GPRS provider settings </source>
        <translation>Ρυθμίσεις παρόχου GPRS </translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Merolan programmer Help</source>
        <translation>Βοήθεια του Merolan programmer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Πίσω</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Εμπρός</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Περιε&amp;χόμενα</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Οδηγός</translation>
    </message>
</context>
<context>
    <name>ModemClock</name>
    <message>
        <source>The Merolan&apos;s clock agrees with this computer&apos;s local time.</source>
        <translation>Το ρολόι του Merolan συμφωνεί με την τοπική ώρα αυτού του υπολογιστή.</translation>
    </message>
    <message>
        <source>The Merolan&apos;s clock is %1 ahead of this computer&apos;s local time.</source>
        <extracomment>%1 is a time difference, such as &quot;3 min 5 s&quot;</extracomment>
        <translation>Το ρολόι του Merolan πηγαίνει %1 μπροστά από την τοπική ώρα αυτού του υπολογιστή.</translation>
    </message>
    <message>
        <source>The Merolan&apos;s clock is %1 behind this computer&apos;s local time.</source>
        <extracomment>%1 is a time difference, such as &quot;3 min 5 s&quot;</extracomment>
        <translation>Το ρολόι του Merolan πηγαίνει %1 πίσω από την τοπική ώρα αυτού του υπολογιστή.</translation>
    </message>
    <message>
        <source>A difference of about %1 h is usually a time zone or daylight-saving time: the modem keeps the local time it was set to and does not change it for daylight saving.</source>
        <extracomment>%1 is a whole number of hours</extracomment>
        <translation>Διαφορά περίπου %1 h οφείλεται συνήθως σε ζώνη ώρας ή σε θερινή ώρα: το μόντεμ κρατά την τοπική ώρα στην οποία ρυθμίστηκε και δεν την αλλάζει για τη θερινή ώρα.</translation>
    </message>
    <message>
        <source>Click Set to set it from this computer&apos;s clock.</source>
        <extracomment>Set is the caption of the button beside the clock</extracomment>
        <translation>Πατήστε «Ρύθμιση» για να το ρυθμίσετε από το ρολόι αυτού του υπολογιστή.</translation>
    </message>
</context>
<context>
    <name>PasswordClock</name>
    <message>
        <source>Type up to 8 characters for a new password. Leave field blank to disable the password.</source>
        <translation>Πληκτρολογήστε έως 8 χαρακτήρες για νέο κωδικό πρόσβασης. Αφήστε το πεδίο κενό για να απενεργοποιήσετε τον κωδικό.</translation>
    </message>
    <message>
        <source>connection to the Merolan lost.</source>
        <extracomment>The reason in &quot;Password change not confirmed: %1 ...&quot; and &quot;Time set not confirmed: %1&quot;</extracomment>
        <translation>η σύνδεση με το Merolan χάθηκε.</translation>
    </message>
    <message>
        <source>the Merolan did not answer.</source>
        <extracomment>The reason in &quot;Password change not confirmed: %1 ...&quot; and &quot;Time set not confirmed: %1&quot;</extracomment>
        <translation>το Merolan δεν απάντησε.</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for an empty password in &quot;... the old password (%2) or the new one (%3).&quot;</extracomment>
        <translation>κανένας</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>%1 is a password, quoted, in &quot;... the old password (%2) or the new one (%3).&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Password entry ERROR</source>
        <translation>ΣΦΑΛΜΑ στον κωδικό πρόσβασης</translation>
    </message>
    <message>
        <source>Password %1 contains %2 characters. 
</source>
        <extracomment>%1 is the password typed, %2 its length</extracomment>
        <translation>Ο κωδικός %1 έχει %2 χαρακτήρες. 
</translation>
    </message>
    <message>
        <source>Password %1 contains invalid characters. 
Suggested password:</source>
        <extracomment>%1 is the password typed; the box below it holds the suggestion</extracomment>
        <translation>Ο κωδικός %1 περιέχει μη επιτρεπτούς χαρακτήρες. 
Προτεινόμενος κωδικός:</translation>
    </message>
    <message>
        <source>When Merolan is connected to:
- Ombrilex-S v45.1 or newer, or
- Ombrilex-P v6.12 or newer
only the data logger&apos;s password is used.
would you like to change the Merolan password anyway?</source>
        <translation>Όταν το Merolan είναι συνδεδεμένο σε:
- Ombrilex-S v45.1 ή νεότερο, ή
- Ombrilex-P v6.12 ή νεότερο
χρησιμοποιείται μόνο ο κωδικός πρόσβασης του καταγραφικού.
θέλετε να αλλάξετε παρ’ όλα αυτά τον κωδικό πρόσβασης του Merolan;</translation>
    </message>
    <message>
        <source>Password is disabled already.</source>
        <translation>Ο κωδικός πρόσβασης είναι ήδη ανενεργός.</translation>
    </message>
    <message>
        <source>Password set failed.</source>
        <translation>Ο ορισμός κωδικού πρόσβασης απέτυχε.</translation>
    </message>
    <message>
        <source>Password change not confirmed: %1 The Merolan now asks for the old password (%2) or the new one (%3).</source>
        <extracomment>%1 is the reason, %2 and %3 the passwords in quotes or &quot;none&quot;</extracomment>
        <translation>Η αλλαγή κωδικού πρόσβασης δεν επιβεβαιώθηκε: %1 Το Merolan ζητά τώρα τον παλιό κωδικό (%2) ή τον νέο (%3).</translation>
    </message>
    <message>
        <source>Password Disabled successfully.</source>
        <translation>Ο κωδικός πρόσβασης απενεργοποιήθηκε επιτυχώς.</translation>
    </message>
    <message>
        <source>Password Enabled successfully.</source>
        <translation>Ο κωδικός πρόσβασης ενεργοποιήθηκε επιτυχώς.</translation>
    </message>
    <message>
        <source>Setting time...</source>
        <translation>Ρύθμιση ώρας...</translation>
    </message>
    <message>
        <source>Time set successfully.</source>
        <translation>Η ρύθμιση ώρας ολοκληρώθηκε επιτυχώς.</translation>
    </message>
    <message>
        <source>Time set successfully, but the Merolan did not report its clock back.</source>
        <translation>Η ρύθμιση ώρας ολοκληρώθηκε επιτυχώς, αλλά το Merolan δεν ανέφερε πίσω το ρολόι του.</translation>
    </message>
    <message>
        <source>Time set not confirmed: %1</source>
        <extracomment>%1 is the reason, such as &quot;the Merolan did not answer.&quot;</extracomment>
        <translation>Η ρύθμιση ώρας δεν επιβεβαιώθηκε: %1</translation>
    </message>
    <message>
        <source>Time set failed.</source>
        <translation>Η ρύθμιση ώρας απέτυχε.</translation>
    </message>
</context>
<context>
    <name>PendingChanges</name>
    <message>
        <source>Pending changes</source>
        <translation>Εκκρεμείς αλλαγές</translation>
    </message>
    <message>
        <source>No changes: the setup on screen is the modem&apos;s.</source>
        <translation>Καμία αλλαγή: οι ρυθμίσεις στην οθόνη είναι αυτές του μόντεμ.</translation>
    </message>
    <message>
        <source>Write sends these setting lines, in this order:</source>
        <translation>Η εγγραφή στέλνει αυτές τις γραμμές ρυθμίσεων, με αυτή τη σειρά:</translation>
    </message>
    <message>
        <source>Write sends these setting lines to the Merolan S/N %1, in this order:</source>
        <translation>Η εγγραφή στέλνει αυτές τις γραμμές ρυθμίσεων στο Merolan με σειριακό αριθμό %1, με αυτή τη σειρά:</translation>
    </message>
    <message>
        <source>A Merolan that was not read gets the whole setup.</source>
        <translation>Ένα Merolan του οποίου οι ρυθμίσεις δεν διαβάστηκαν λαμβάνει όλες τις ρυθμίσεις.</translation>
    </message>
    <message>
        <source>A Merolan with another serial number gets the whole setup.</source>
        <translation>Ένα Merolan με άλλο σειριακό αριθμό λαμβάνει όλες τις ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
</context>
<context>
    <name>PerSchedule</name>
    <message>
        <source>Peripheral Schedule</source>
        <translation>Πρόγραμμα περιφερειακών</translation>
    </message>
    <message>
        <source>Adjust ON/OFF times for each device. While ON, the specified DEVICE is connected to the MASTER port or to the internal Merolan modem.</source>
        <translation>Ρυθμίστε τις ώρες ενεργοποίησης και απενεργοποίησης κάθε συσκευής. Όσο είναι σε λειτουργία, η ΣΥΣΚΕΥΗ συνδέεται στη θύρα MASTER ή στο εσωτερικό μόντεμ του Merolan.</translation>
    </message>
    <message>
        <source>Ombrilex data logger</source>
        <translation>Καταγραφικό Ombrilex</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the device&apos;s number</extracomment>
        <translation>Συσκευή %1</translation>
    </message>
    <message>
        <source>Device %1 ON</source>
        <extracomment>%1 is the device&apos;s number; the start of the spoken names of its ON time boxes</extracomment>
        <translation>Συσκευή %1, ενεργοποίηση</translation>
    </message>
    <message>
        <source>Device %1 OFF</source>
        <extracomment>%1 is the device&apos;s number; the start of the spoken names of its OFF time boxes</extracomment>
        <translation>Συσκευή %1, απενεργοποίηση</translation>
    </message>
    <message>
        <source>Time ON</source>
        <translation>Ώρα ενεργοποίησης</translation>
    </message>
    <message>
        <source>Time OFF</source>
        <translation>Ώρα απενεργοποίησης</translation>
    </message>
    <message>
        <source>Always ON</source>
        <translation>Πάντα σε λειτουργία</translation>
    </message>
    <message>
        <source>Always OFF</source>
        <translation>Πάντα εκτός λειτουργίας</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <extracomment>spoken name of a box; %1 is a device and its side, as in &quot;Device 1 ON&quot;</extracomment>
        <translation>%1, ώρες</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <extracomment>spoken name of a box; %1 is a device and its side, as in &quot;Device 1 ON&quot;</extracomment>
        <translation>%1, λεπτά</translation>
    </message>
    <message>
        <source>%1 step</source>
        <extracomment>spoken name of the arrows that step a time; %1 is a device and its side, as in &quot;Device 1 ON&quot;</extracomment>
        <translation>%1, βήμα</translation>
    </message>
</context>
<context>
    <name>PortPicker</name>
    <message>
        <source>Available COM ports</source>
        <translation>Διαθέσιμες θύρες COM</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Other</source>
        <extracomment>The provider list&apos;s entry for a provider that is not listed</extracomment>
        <translation>Άλλος</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; is not a text</source>
        <extracomment>%1 is a key of the presets file, such as APN; %2 a provider&apos;s name</extracomment>
        <translation>Το %1 του «%2» δεν είναι κείμενο</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; is longer than %3 characters</source>
        <extracomment>%1 is a key of the presets file, such as APN; %2 a provider&apos;s name; %3 a number</extracomment>
        <translation>Το %1 του «%2» έχει περισσότερους από %3 χαρακτήρες</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; holds a character the modem cannot take</source>
        <extracomment>%1 is a key of the presets file, such as APN; %2 a provider&apos;s name</extracomment>
        <translation>Το %1 του «%2» περιέχει χαρακτήρα που το μόντεμ δεν δέχεται</translation>
    </message>
    <message>
        <source>a provider is not an object</source>
        <translation>ένας πάροχος δεν είναι αντικείμενο JSON</translation>
    </message>
    <message>
        <source>a provider has no Name</source>
        <extracomment>Name is a key of the presets file</extracomment>
        <translation>ένας πάροχος δεν έχει Name</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a provider&apos;s name</source>
        <extracomment>%1 is the name the file gives, the same as the list&apos;s entry &quot;Other&quot;</extracomment>
        <translation>Το «%1» δεν μπορεί να είναι όνομα παρόχου</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is listed twice</source>
        <extracomment>%1 is a provider&apos;s name</extracomment>
        <translation>Το «%1» υπάρχει δύο φορές</translation>
    </message>
    <message>
        <source>MailLoginRequired of &quot;%1&quot; is not true or false</source>
        <extracomment>MailLoginRequired is a key of the presets file; %1 is a provider&apos;s name</extracomment>
        <translation>Το MailLoginRequired του «%1» δεν είναι true ή false</translation>
    </message>
    <message>
        <source>%1 at character %2</source>
        <extracomment>%1 is the parser&apos;s own description of the fault</extracomment>
        <translation>%1 στον χαρακτήρα %2</translation>
    </message>
    <message>
        <source>the file is not a JSON object</source>
        <translation>το αρχείο δεν είναι αντικείμενο JSON</translation>
    </message>
    <message>
        <source>&quot;Providers&quot; is not a list</source>
        <extracomment>Providers is a key of the presets file</extracomment>
        <translation>το «Providers» δεν είναι λίστα</translation>
    </message>
    <message>
        <source>&quot;ServerHost&quot; is not a host name</source>
        <extracomment>ServerHost is a key of the presets file</extracomment>
        <translation>το «ServerHost» δεν είναι όνομα διακομιστή</translation>
    </message>
    <message>
        <source>the file is too big</source>
        <translation>το αρχείο είναι πολύ μεγάλο</translation>
    </message>
    <message>
        <source>Update mail server to &apos;%1&apos; ?</source>
        <extracomment>%1 is a mail server&apos;s name</extracomment>
        <translation>Να αλλάξει ο διακομιστής e-mail σε «%1»;</translation>
    </message>
</context>
<context>
    <name>QtSerialLink</name>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation>το «%1» δεν είναι διεύθυνση IPv6</translation>
    </message>
    <message>
        <source>an IPv6 address goes in brackets, as in tcp://[fd00::20]:4001</source>
        <translation>μια διεύθυνση IPv6 γράφεται μέσα σε αγκύλες, όπως στο tcp://[fd00::20]:4001</translation>
    </message>
    <message>
        <source>the host or the port is missing</source>
        <translation>λείπει ο διακομιστής ή η θύρα</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535</source>
        <translation>η θύρα πρέπει να είναι αριθμός από 1 έως 65535</translation>
    </message>
    <message>
        <source>This build of the programmer cannot reach modems on the network: %1 is not available. Use a serial port.</source>
        <translation>Αυτή η έκδοση του προγράμματος δεν μπορεί να συνδεθεί με μόντεμ μέσω δικτύου: η %1 δεν είναι διαθέσιμη. Χρησιμοποιήστε σειριακή θύρα.</translation>
    </message>
    <message>
        <source>%1 is not a network port: %2. Write it as tcp://HOST:PORT, as in tcp://192.168.1.20:4001.</source>
        <translation>Η %1 δεν είναι θύρα δικτύου: %2. Γράψτε την ως tcp://HOST:PORT, όπως στο tcp://192.168.1.20:4001.</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation>%1 θύρα %2</translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s. Check the address, the network and that the server is on.</source>
        <translation>Καμία απάντηση από %1 μέσα σε %2 s. Ελέγξτε τη διεύθυνση, το δίκτυο και ότι ο διακομιστής είναι σε λειτουργία.</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2. Check that the server is on and takes connections on that port.</source>
        <translation>Δεν ήταν δυνατή η σύνδεση με %1: %2. Ελέγξτε ότι ο διακομιστής είναι σε λειτουργία και δέχεται συνδέσεις σε αυτή τη θύρα.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost</source>
        <translation>Η σύνδεση με %1 χάθηκε</translation>
    </message>
</context>
<context>
    <name>QtUserPrompt</name>
    <message>
        <source>Merolan programmer</source>
        <translation>Merolan programmer</translation>
    </message>
</context>
<context>
    <name>ReadSetup</name>
    <message>
        <source>Overflow</source>
        <extracomment>Fault 6, the %2 of &quot;Error %1: %2. L%3&quot;: a number too big for its setting</extracomment>
        <translation>Υπερχείλιση</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <extracomment>Fault 13, the %2 of &quot;Error %1: %2. L%3&quot;: a reply that is no number</extracomment>
        <translation>Ασυμβατότητα τύπου</translation>
    </message>
    <message>
        <source>STOP Refreshing setup...</source>
        <translation>ΔΙΑΚΟΠΗ ανανέωσης...</translation>
    </message>
    <message>
        <source>Refresh setup from Merolan</source>
        <translation>Ανανέωση από το Merolan</translation>
    </message>
    <message>
        <source>Error %1: %2. L%3</source>
        <extracomment>%1 is the fault&apos;s number, %2 its description, %3 the step of the read where it happened</extracomment>
        <translation>Σφάλμα %1: %2. L%3</translation>
    </message>
    <message>
        <source>Reading setup...</source>
        <translation>Ανάγνωση ρυθμίσεων...</translation>
    </message>
    <message>
        <source>Setup read finished.</source>
        <translation>Η ανάγνωση ρυθμίσεων ολοκληρώθηκε.</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost while reading setting: %1</source>
        <extracomment>%1 is a setting key such as SMSNUM</extracomment>
        <translation>Η σύνδεση με το Merolan χάθηκε κατά την ανάγνωση της ρύθμισης: %1</translation>
    </message>
    <message>
        <source>Setup read failed. Connection lost. Command: %1</source>
        <extracomment>%1 is a setting key such as SMSNUM</extracomment>
        <translation>Η ανάγνωση ρυθμίσεων απέτυχε. Η σύνδεση χάθηκε. Εντολή: %1</translation>
    </message>
    <message>
        <source>Setup read aborted.</source>
        <translation>Η ανάγνωση ρυθμίσεων διακόπηκε.</translation>
    </message>
    <message>
        <source>Error reading setup. Command: %1</source>
        <extracomment>%1 is a setting key such as SMSNUM</extracomment>
        <translation>Σφάλμα κατά την ανάγνωση ρυθμίσεων. Εντολή: %1</translation>
    </message>
    <message>
        <source>Setup read failed. Command: %1</source>
        <extracomment>%1 is a setting key such as SMSNUM</extracomment>
        <translation>Η ανάγνωση ρυθμίσεων απέτυχε. Εντολή: %1</translation>
    </message>
    <message>
        <source>Aborting. Please wait...</source>
        <translation>Διακοπή. Περιμένετε...</translation>
    </message>
</context>
<context>
    <name>ScheduleEdit</name>
    <message>
        <source>Time ON hours</source>
        <translation>Ώρα ενεργοποίησης (ώρες)</translation>
    </message>
    <message>
        <source>Time ON minutes</source>
        <translation>Ώρα ενεργοποίησης (λεπτά)</translation>
    </message>
    <message>
        <source>Time OFF hours</source>
        <translation>Ώρα απενεργοποίησης (ώρες)</translation>
    </message>
    <message>
        <source>Time OFF minutes</source>
        <translation>Ώρα απενεργοποίησης (λεπτά)</translation>
    </message>
    <message>
        <source>%1: the %2 box is empty</source>
        <extracomment>%1 is a device&apos;s name, %2 the name of a box, such as &quot;Time ON hours&quot;</extracomment>
        <translation>%1: το πεδίο «%2» είναι κενό</translation>
    </message>
    <message>
        <source>At least one device must be ON for 1 hour or more</source>
        <translation>Τουλάχιστον μία συσκευή πρέπει να είναι σε λειτουργία για 1 ώρα ή περισσότερο</translation>
    </message>
</context>
<context>
    <name>ScheduleTime</name>
    <message>
        <source>ALWAYS OFF</source>
        <extracomment>A device&apos;s schedule on the setup diagram</extracomment>
        <translation>Χωρίς λειτουργία</translation>
    </message>
    <message>
        <source>ALWAYS ON</source>
        <extracomment>A device&apos;s schedule on the setup diagram</extracomment>
        <translation>Συνεχής λειτουργία</translation>
    </message>
    <message>
        <source>ON %1~%2</source>
        <extracomment>A device&apos;s schedule on the setup diagram: %1 the time it is switched on, %2 off</extracomment>
        <translation>Ώρες %1~%2</translation>
    </message>
</context>
<context>
    <name>ScheduleTimeline</name>
    <message>
        <source>No device is on for an hour or more</source>
        <translation>Καμία συσκευή δεν λειτουργεί για μία ώρα ή περισσότερο</translation>
    </message>
    <message>
        <source>%1: times not complete.</source>
        <extracomment>%1 is the device&apos;s name</extracomment>
        <translation>%1: οι ώρες δεν είναι πλήρεις.</translation>
    </message>
    <message>
        <source>%1: always on.</source>
        <extracomment>%1 is the device&apos;s name</extracomment>
        <translation>%1: πάντα σε λειτουργία.</translation>
    </message>
    <message>
        <source>%1: always off.</source>
        <extracomment>%1 is the device&apos;s name</extracomment>
        <translation>%1: πάντα εκτός λειτουργίας.</translation>
    </message>
    <message>
        <source>%1: on from %2 to %3, %4 h %5 min.</source>
        <extracomment>%1 the device, %2 and %3 its ON and OFF times, %4 and %5 the hours and minutes it is on</extracomment>
        <translation>%1: σε λειτουργία από %2 έως %3, %4 ώρ. %5 λεπτ.</translation>
    </message>
    <message>
        <source>%1: on from %2 to %3, across midnight, %4 h %5 min.</source>
        <extracomment>the same, for a device that goes off the next day</extracomment>
        <translation>%1: σε λειτουργία από %2 έως %3 της επομένης, %4 ώρ. %5 λεπτ.</translation>
    </message>
    <message>
        <source>Daily schedule</source>
        <translation>Ημερήσιο πρόγραμμα</translation>
    </message>
    <message>
        <source>ALWAYS ON</source>
        <translation>Συνεχής λειτουργία</translation>
    </message>
    <message>
        <source>ALWAYS OFF</source>
        <translation>Χωρίς λειτουργία</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Invalid line settings &quot;%1&quot;</source>
        <translation>Μη έγκυρες παράμετροι γραμμής «%1»</translation>
    </message>
    <message>
        <source>Could not send to %1</source>
        <translation>Δεν ήταν δυνατή η αποστολή στη %1</translation>
    </message>
    <message>
        <source>The host of %1 is not known (%2). Check the name and the network.</source>
        <translation>Ο διακομιστής της %1 είναι άγνωστος (%2). Ελέγξτε το όνομα και το δίκτυο.</translation>
    </message>
    <message>
        <source>The port %1 does not exist. Check that the adapter is plugged in and that the port name is right.</source>
        <translation>Η θύρα %1 δεν υπάρχει. Ελέγξτε ότι ο προσαρμογέας είναι συνδεδεμένος και ότι το όνομα της θύρας είναι σωστό.</translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close that program, or choose another port.</source>
        <translation>Η θύρα %1 χρησιμοποιείται από άλλο πρόγραμμα. Κλείστε εκείνο το πρόγραμμα ή διαλέξτε άλλη θύρα.</translation>
    </message>
    <message>
        <source>You may not use the port %1. Your user must be in the group that owns the device, usually dialout: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation>Δεν έχετε δικαίωμα χρήσης της θύρας %1. Ο χρήστης σας πρέπει να ανήκει στην ομάδα στην οποία ανήκει η συσκευή, συνήθως dialout: sudo usermod -aG dialout $USER, και μετά συνδεθείτε ξανά στο σύστημα.</translation>
    </message>
    <message>
        <source>You may not use the port %1.</source>
        <translation>Δεν έχετε δικαίωμα χρήσης της θύρας %1.</translation>
    </message>
</context>
<context>
    <name>ServerSettings</name>
    <message>
        <source>Tessarin settings</source>
        <translation>Ρυθμίσεις Tessarin</translation>
    </message>
    <message>
        <source>Host IP</source>
        <translation>IP διακομιστή</translation>
    </message>
    <message>
        <source>Host Port Number</source>
        <translation>Αριθμός θύρας διακομιστή</translation>
    </message>
    <message>
        <source>Wrong Host Port Number!</source>
        <translation>Λάθος αριθμός θύρας διακομιστή!</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Password: Enabled</source>
        <translation>Κωδικός: Ενεργός</translation>
    </message>
    <message>
        <source>Password: Disabled</source>
        <translation>Κωδικός: Ανενεργός</translation>
    </message>
    <message>
        <source>The Merolan operation will change after pressing &apos;Finish programming&apos;</source>
        <translation>Η λειτουργία του Merolan θα αλλάξει αφού πατήσετε «Τέλος προγραμματισμού»</translation>
    </message>
    <message>
        <source>Changing the Merolan operation will require a 3-minute reset after pressing &apos;Finish programming&apos;</source>
        <translation>Η αλλαγή της λειτουργίας του Merolan θα απαιτήσει επανεκκίνηση 3 λεπτών αφού πατήσετε «Τέλος προγραμματισμού»</translation>
    </message>
</context>
<context>
    <name>SettingLines</name>
    <message>
        <source>Device %1 %2 time is not a time of day</source>
        <extracomment>%1 is the device&apos;s number, %2 is ON or OFF (the setting&apos;s own words)</extracomment>
        <translation>Η ώρα %2 της συσκευής %1 δεν είναι ώρα της ημέρας</translation>
    </message>
    <message>
        <source>Server port %1 is not valid: it must be 0 to 65535</source>
        <extracomment>%1 is the port number found in the file</extracomment>
        <translation>Η θύρα διακομιστή %1 δεν είναι έγκυρη: πρέπει να είναι από 0 έως 65535</translation>
    </message>
    <message>
        <source>Email interval %1 is not valid: it must be 0 to 24 hours</source>
        <extracomment>%1 is the number of hours found in the file</extracomment>
        <translation>Το διάστημα e-mail %1 δεν είναι έγκυρο: πρέπει να είναι από 0 έως 24 ώρες</translation>
    </message>
    <message>
        <source>Logger mode</source>
        <translation>Λειτουργία καταγραφικού</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 ή 1</translation>
    </message>
    <message>
        <source>Operating role</source>
        <translation>Ρόλος λειτουργίας</translation>
    </message>
    <message>
        <source>1, 2 or 3</source>
        <translation>1, 2 ή 3</translation>
    </message>
    <message>
        <source>Baud rate index</source>
        <translation>Δείκτης ταχύτητας (baud)</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>από 1 έως 7</translation>
    </message>
    <message>
        <source>Server port</source>
        <translation>Θύρα διακομιστή</translation>
    </message>
    <message>
        <source>0 to 65535</source>
        <translation>από 0 έως 65535</translation>
    </message>
    <message>
        <source>Email interval</source>
        <translation>Διάστημα e-mail</translation>
    </message>
    <message>
        <source>0 to 24 hours</source>
        <translation>από 0 έως 24 ώρες</translation>
    </message>
    <message>
        <source>Alarm SMS number</source>
        <translation>Αριθμός SMS συναγερμού</translation>
    </message>
    <message>
        <source>GPRS user</source>
        <translation>Χρήστης GPRS</translation>
    </message>
    <message>
        <source>GPRS password</source>
        <translation>Κωδικός πρόσβασης GPRS</translation>
    </message>
    <message>
        <source>Tessarin address</source>
        <translation>Διεύθυνση Tessarin</translation>
    </message>
    <message>
        <source>Email (SMTP) server</source>
        <translation>Διακομιστής e-mail (SMTP)</translation>
    </message>
    <message>
        <source>Email (SMTP) user</source>
        <translation>Χρήστης e-mail (SMTP)</translation>
    </message>
    <message>
        <source>Email (SMTP) password</source>
        <translation>Κωδικός πρόσβασης e-mail (SMTP)</translation>
    </message>
    <message>
        <source>Email sender</source>
        <translation>Αποστολέας e-mail</translation>
    </message>
    <message>
        <source>Email recipient</source>
        <translation>Παραλήπτης e-mail</translation>
    </message>
    <message>
        <source>%1 contains characters that the Merolan cannot store</source>
        <extracomment>%1 is the name of a setting, such as &quot;Email sender&quot;</extracomment>
        <translation>Το πεδίο «%1» περιέχει χαρακτήρες που το Merolan δεν μπορεί να αποθηκεύσει</translation>
    </message>
    <message>
        <source>%1 %2 is not valid: it must be %3</source>
        <extracomment>%1 is the name of a setting, %2 its value, %3 the values allowed, such as &quot;1 to 7&quot;</extracomment>
        <translation>%1: η τιμή %2 δεν είναι έγκυρη: πρέπει να είναι %3</translation>
    </message>
    <message>
        <source>Email recipient is not valid</source>
        <translation>Ο παραλήπτης e-mail δεν είναι έγκυρος</translation>
    </message>
    <message>
        <source>Email sender is not valid</source>
        <translation>Ο αποστολέας e-mail δεν είναι έγκυρος</translation>
    </message>
    <message>
        <source>Email (SMTP) server may not be empty</source>
        <translation>Ο διακομιστής e-mail (SMTP) δεν μπορεί να είναι κενός</translation>
    </message>
    <message>
        <source>Tessarin address may not be empty</source>
        <translation>Η διεύθυνση Tessarin δεν μπορεί να είναι κενή</translation>
    </message>
    <message>
        <source>Tessarin Port may not be 0</source>
        <translation>Η θύρα Tessarin δεν μπορεί να είναι 0</translation>
    </message>
    <message>
        <source>APN may not be empty</source>
        <translation>Το APN δεν μπορεί να είναι κενό</translation>
    </message>
</context>
<context>
    <name>SettingsEdit</name>
    <message>
        <source>Email Disabled</source>
        <extracomment>The first choice of the e-mail interval; it must not start with a digit</extracomment>
        <translation>Χωρίς e-mail</translation>
    </message>
    <message>
        <source>1 hour</source>
        <extracomment>An e-mail interval, like those after it; the number must stay in front</extracomment>
        <translation>1 ώρα</translation>
    </message>
    <message>
        <source>2 hours</source>
        <translation>2 ώρες</translation>
    </message>
    <message>
        <source>3 hours</source>
        <translation>3 ώρες</translation>
    </message>
    <message>
        <source>4 hours</source>
        <translation>4 ώρες</translation>
    </message>
    <message>
        <source>6 hours</source>
        <translation>6 ώρες</translation>
    </message>
    <message>
        <source>8 hours</source>
        <translation>8 ώρες</translation>
    </message>
    <message>
        <source>12 hours</source>
        <translation>12 ώρες</translation>
    </message>
    <message>
        <source>24 hours</source>
        <translation>24 ώρες</translation>
    </message>
    <message>
        <source>This mail server requires the Password and User fields for email authentication!</source>
        <translation>Αυτός ο διακομιστής e-mail απαιτεί τα πεδία κωδικού πρόσβασης και χρήστη για την πιστοποίηση e-mail!</translation>
    </message>
    <message>
        <source>WARNING: APN field is empty
Do you want to proceed?</source>
        <translation>ΠΡΟΣΟΧΗ: Το πεδίο APN είναι κενό
Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>No email interval was selected!</source>
        <translation>Δεν επιλέχθηκε διάστημα e-mail!</translation>
    </message>
    <message>
        <source>Email interval is not acceptable!</source>
        <translation>Το διάστημα e-mail δεν είναι αποδεκτό!</translation>
    </message>
    <message>
        <source>Email recipient is not acceptable!</source>
        <translation>Ο παραλήπτης e-mail δεν είναι αποδεκτός!</translation>
    </message>
    <message>
        <source>Email sender is not acceptable!</source>
        <translation>Ο αποστολέας e-mail δεν είναι αποδεκτός!</translation>
    </message>
    <message>
        <source>APN field may not be empty</source>
        <translation>Το πεδίο APN δεν μπορεί να είναι κενό</translation>
    </message>
</context>
<context>
    <name>SettingsEditors</name>
    <message>
        <source>The network presets could not be read (%1). The built-in presets are offered instead.</source>
        <extracomment>%1 says what is wrong with the presets file</extracomment>
        <translation>Δεν ήταν δυνατή η ανάγνωση των προεπιλογών των δικτύων (%1). Προσφέρονται οι ενσωματωμένες προεπιλογές.</translation>
    </message>
</context>
<context>
    <name>SetupDiagram</name>
    <message>
        <source>Click to edit</source>
        <translation>Πατήστε για αλλαγή</translation>
    </message>
    <message>
        <source>Click to set On/Off times</source>
        <translation>Πατήστε για ρύθμιση των ωρών ενεργοποίησης/απενεργοποίησης</translation>
    </message>
    <message>
        <source>Click to connect to Device %1 and close Merolan Programmer.</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3.</extracomment>
        <translation>Πατήστε για σύνδεση με τη συσκευή %1 και έξοδο από το πρόγραμμα.</translation>
    </message>
    <message>
        <source>F/W version</source>
        <translation>Έκδοση υλικολογισμικού</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Σειριακός αριθμός</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Μπαταρία</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>The modem&apos;s clock, before it is read.</extracomment>
        <translation>Ώρα</translation>
    </message>
    <message>
        <source>Set</source>
        <extracomment>A link beside the modem&apos;s time: sets its clock.</extracomment>
        <translation>Ρύθμιση</translation>
    </message>
    <message>
        <source>Click to set the Merolan&apos;s clock from this computer&apos;s clock</source>
        <translation>Πατήστε για ρύθμιση του ρολογιού του Merolan από το ρολόι αυτού του υπολογιστή</translation>
    </message>
    <message>
        <source>Set the Merolan&apos;s clock from this computer</source>
        <translation>Ρύθμιση του ρολογιού του Merolan από αυτόν τον υπολογιστή</translation>
    </message>
    <message>
        <source>Password: Disabled</source>
        <translation>Κωδικός: Ανενεργός</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A link beside the password line: changes the modem&apos;s password.</extracomment>
        <translation>Αλλαγή</translation>
    </message>
    <message>
        <source>Click to change password</source>
        <translation>Πατήστε για αλλαγή του κωδικού πρόσβασης</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Αλλαγή κωδικού πρόσβασης</translation>
    </message>
    <message>
        <source>Setup</source>
        <extracomment>Group title: the modem&apos;s settings.</extracomment>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Modem</source>
        <extracomment>The far end that calls the modem.</extracomment>
        <translation>Μόντεμ</translation>
    </message>
    <message>
        <source>Port: 1023</source>
        <translation>Θύρα: 1023</translation>
    </message>
    <message>
        <source>Server IP Port: 1023</source>
        <translation>Θύρα IP διακομιστή: 1023</translation>
    </message>
    <message>
        <source>GSM network</source>
        <translation>Δίκτυο GSM</translation>
    </message>
    <message>
        <source>User: </source>
        <extracomment>The network provider&apos;s user name, before it is read.</extracomment>
        <translation>Χρήστης: </translation>
    </message>
    <message>
        <source>PWD: </source>
        <extracomment>The network provider&apos;s password, before it is read.</extracomment>
        <translation>Κωδικός: </translation>
    </message>
    <message>
        <source>Merolan expects data calls</source>
        <translation>Merolan (δέχεται κλήσεις)</translation>
    </message>
    <message>
        <source>Alarm SMS: Disabled</source>
        <translation>SMS συναγερμού: Ανενεργό</translation>
    </message>
    <message>
        <source>Baud: 9600</source>
        <translation>Ταχύτητα (baud): 9600</translation>
    </message>
    <message>
        <source>Email: Disabled</source>
        <translation>E-mail: Ανενεργό</translation>
    </message>
    <message>
        <source>Device %1</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3.</extracomment>
        <translation>Συσκευή %1</translation>
    </message>
    <message>
        <source>Device %1 On/Off times</source>
        <extracomment>%1 is the device&apos;s number, 1 to 3.</extracomment>
        <translation>Ώρες ενεργοποίησης/απενεργοποίησης συσκευής %1</translation>
    </message>
    <message>
        <source>ON 11:30~20:00</source>
        <translation>Ώρες 11:30~20:00</translation>
    </message>
    <message>
        <source>Always OFF</source>
        <translation>Πάντα ανενεργή</translation>
    </message>
    <message>
        <source>Ombrilex data logger</source>
        <translation>Καταγραφικό Ombrilex</translation>
    </message>
    <message>
        <source>Click to connect to data logger and close Merolan Programmer.</source>
        <translation>Πατήστε για σύνδεση με το καταγραφικό και έξοδο από το πρόγραμμα.</translation>
    </message>
    <message>
        <source>Clock: %1 from this computer</source>
        <extracomment>%1 is how far the modem&apos;s clock is ahead (+) or behind (-), as &quot;+2 min 5 s&quot;.</extracomment>
        <translation>Ρολόι: %1 από τον υπολογιστή</translation>
    </message>
</context>
<context>
    <name>SetupFile</name>
    <message>
        <source>%1 is too long to store in a setup file (%2 characters, at most %3).</source>
        <extracomment>%1 is a field of the file, such as APN; %2 and %3 are numbers of characters</extracomment>
        <translation>Το %1 είναι πολύ μεγάλο για αρχείο ρυθμίσεων (%2 χαρακτήρες, το πολύ %3).</translation>
    </message>
    <message>
        <source>%1 holds the character &quot;%2&quot;, which a setup file cannot store (only 8-bit characters fit).</source>
        <extracomment>%1 is a field of the file, such as APN; %2 is one character</extracomment>
        <translation>Το %1 περιέχει τον χαρακτήρα «%2», που δεν χωράει σε αρχείο ρυθμίσεων (χωρούν μόνο χαρακτήρες 8 bit).</translation>
    </message>
    <message>
        <source>%1 of device %2</source>
        <extracomment>%1 is a field of the file, OnTime or OffTime; %2 the device&apos;s number</extracomment>
        <translation>%1 της συσκευής %2</translation>
    </message>
    <message>
        <source>The setup file is damaged: %1 is not a time.</source>
        <extracomment>%1 is a field, such as &quot;OnTime of device 2&quot;</extracomment>
        <translation>Το αρχείο ρυθμίσεων είναι κατεστραμμένο: το %1 δεν είναι ώρα.</translation>
    </message>
    <message>
        <source>The setup file ends in the middle of %1 (after %2 bytes).</source>
        <extracomment>%1 is a field of the file, such as APN; %2 the file&apos;s size</extracomment>
        <translation>Το αρχείο ρυθμίσεων τελειώνει στη μέση του %1 (μετά από %2 byte).</translation>
    </message>
    <message>
        <source>It is a symbolic link, and a setup file is never written through one</source>
        <translation>Είναι συμβολικός σύνδεσμος, και ένα αρχείο ρυθμίσεων δεν γράφεται ποτέ μέσω συνδέσμου</translation>
    </message>
    <message>
        <source>The file is larger than a setup file can be (more than 1 MiB)</source>
        <translation>Το αρχείο είναι μεγαλύτερο από όσο μπορεί να είναι ένα αρχείο ρυθμίσεων (πάνω από 1 MiB)</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe)</source>
        <translation>Δεν είναι κανονικό αρχείο (είναι φάκελος, συσκευή ή σωλήνωση)</translation>
    </message>
</context>
<context>
    <name>SetupFileCommands</name>
    <message>
        <source>MRL Files (*.mrl)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is</extracomment>
        <translation>Αρχεία MRL (*.mrl)</translation>
    </message>
    <message>
        <source>Merolan setup as JSON (*.json)</source>
        <translation>Ρυθμίσεις Merolan σε JSON (*.json)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>A file dialog&apos;s filter: &quot;(*.*)&quot; stays exactly as it is</extracomment>
        <translation>Όλα τα αρχεία (*.*)</translation>
    </message>
    <message>
        <source>Select a Merolan setup file to load</source>
        <translation>Διαλέξτε αρχείο ρυθμίσεων Merolan για φόρτωση</translation>
    </message>
    <message>
        <source>Select a save name for the Merolan setup file</source>
        <translation>Διαλέξτε όνομα αποθήκευσης για το αρχείο ρυθμίσεων Merolan</translation>
    </message>
</context>
<context>
    <name>SetupJson</name>
    <message>
        <source>Unknown field %1</source>
        <extracomment>%1 is a name found in the file where a field&apos;s name should be</extracomment>
        <translation>Άγνωστο πεδίο %1</translation>
    </message>
    <message>
        <source>%1 of device %2 is not a time &quot;hh:nn&quot;</source>
        <extracomment>%1 is a field, OnTime or OffTime; %2 the device&apos;s number; hh:nn is the form of a time</extracomment>
        <translation>Το %1 της συσκευής %2 δεν είναι ώρα «hh:nn»</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3</source>
        <extracomment>%1 is a field, such as HostPort</extracomment>
        <translation>Το %1 πρέπει να είναι ακέραιος από %2 έως %3</translation>
    </message>
    <message>
        <source>Baud %1 is not a rate of the Merolan: it must be 0 or one of %2</source>
        <extracomment>%1 is a number; %2 a list of rates, such as 1200, 2400</extracomment>
        <translation>Η ταχύτητα (baud) %1 δεν είναι ταχύτητα του Merolan: πρέπει να είναι 0 ή μία από τις %2</translation>
    </message>
    <message>
        <source>%1 must be a text</source>
        <extracomment>%1 is a field, such as APN</extracomment>
        <translation>Το %1 πρέπει να είναι κείμενο</translation>
    </message>
    <message>
        <source>%1 must be three times &quot;hh:nn&quot;, devices 1 to 3</source>
        <extracomment>%1 is a field, OnTime or OffTime; hh:nn is the form of a time</extracomment>
        <translation>Το %1 πρέπει να είναι τρεις ώρες «hh:nn», για τις συσκευές 1 έως 3</translation>
    </message>
    <message>
        <source>Baud index %1 is no rate of the Merolan, which the JSON form cannot name</source>
        <extracomment>%1 is the number the file stores for the rate</extracomment>
        <translation>Ο δείκτης ταχύτητας (baud) %1 δεν αντιστοιχεί σε ταχύτητα του Merolan, και η μορφή JSON δεν μπορεί να τον εκφράσει</translation>
    </message>
    <message>
        <source>%1 of device %2 holds more than &quot;hh:nn&quot; can (seconds or a date)</source>
        <extracomment>%1 is a field, OnTime or OffTime; %2 the device&apos;s number; hh:nn is the form of a time</extracomment>
        <translation>Το %1 της συσκευής %2 περιέχει περισσότερα από όσα χωρούν σε «hh:nn» (δευτερόλεπτα ή ημερομηνία)</translation>
    </message>
    <message>
        <source>The JSON setup is not valid JSON: %1 (at byte %2)</source>
        <extracomment>%1 is the parser&apos;s own description of the fault</extracomment>
        <translation>Οι ρυθμίσεις JSON δεν είναι έγκυρο JSON: %1 (στο byte %2)</translation>
    </message>
    <message>
        <source>The JSON setup is not an object</source>
        <translation>Οι ρυθμίσεις JSON δεν είναι αντικείμενο</translation>
    </message>
</context>
<context>
    <name>SimCardFrame</name>
    <message>
        <source>SIM card settings (given by provider)</source>
        <translation>Ρυθμίσεις κάρτας SIM (από τον πάροχο)</translation>
    </message>
    <message>
        <source>Network Provider</source>
        <translation>Πάροχος δικτύου</translation>
    </message>
    <message>
        <source>APN (required)</source>
        <translation>APN (υποχρεωτικό)</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>ΧΡΗΣΤΗΣ</translation>
    </message>
    <message>
        <source>PASSWORD</source>
        <translation>ΚΩΔΙΚΟΣ</translation>
    </message>
</context>
<context>
    <name>VerifyWrite</name>
    <message>
        <source>Setup verify finished.</source>
        <translation>Ο έλεγχος ρυθμίσεων ολοκληρώθηκε.</translation>
    </message>
    <message>
        <source>Setup verify failed. Mismatch: %1</source>
        <extracomment>%1 is a list of setting keys, such as APN, SMSNUM</extracomment>
        <translation>Ο έλεγχος ρυθμίσεων απέτυχε. Διαφορά: %1</translation>
    </message>
    <message>
        <source>Setup verify incomplete. Not confirmed: %1</source>
        <extracomment>%1 is a list of setting keys, such as APN, SMSNUM</extracomment>
        <translation>Ο έλεγχος ρυθμίσεων δεν ολοκληρώθηκε. Δεν επιβεβαιώθηκαν: %1</translation>
    </message>
    <message>
        <source>Setup verify failed. Mismatch: %1. Not confirmed: %2</source>
        <extracomment>%1 and %2 are lists of setting keys, such as APN, SMSNUM</extracomment>
        <translation>Ο έλεγχος ρυθμίσεων απέτυχε. Διαφορά: %1. Δεν επιβεβαιώθηκαν: %2</translation>
    </message>
    <message>
        <source>%1: sent %2, the Merolan reports %3</source>
        <extracomment>%1 is a setting key, %2 the value sent, %3 the value the modem holds</extracomment>
        <translation>%1: στάλθηκε %2, το Merolan αναφέρει %3</translation>
    </message>
    <message>
        <source>Verifying setup...</source>
        <translation>Έλεγχος ρυθμίσεων...</translation>
    </message>
    <message>
        <source>STOP Verifying setup...</source>
        <translation>ΔΙΑΚΟΠΗ ελέγχου...</translation>
    </message>
</context>
<context>
    <name>WriteSetup</name>
    <message>
        <source>WARNING: APN field is empty
Do you want to proceed?</source>
        <translation>ΠΡΟΣΟΧΗ: Το πεδίο APN είναι κενό
Θέλετε να συνεχίσετε;</translation>
    </message>
    <message>
        <source>STOP Writing setup...</source>
        <translation>ΔΙΑΚΟΠΗ εγγραφής...</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost while writing setting: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000</extracomment>
        <translation>Η σύνδεση με το Merolan χάθηκε κατά την εγγραφή της ρύθμισης: %1</translation>
    </message>
    <message>
        <source>Connection to the Merolan lost while checking it before the write: %1</source>
        <extracomment>%1 is a query, such as #SerialNum?</extracomment>
        <translation>Η σύνδεση με το Merolan χάθηκε κατά τον έλεγχό του πριν από την εγγραφή: %1</translation>
    </message>
    <message>
        <source>Setup write failed. Connection lost. Command: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000, or a query, such as #SerialNum?</extracomment>
        <translation>Η εγγραφή ρυθμίσεων απέτυχε. Η σύνδεση χάθηκε. Εντολή: %1</translation>
    </message>
    <message>
        <source>The Merolan did not answer setting: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000</extracomment>
        <translation>Το Merolan δεν απάντησε στη ρύθμιση: %1</translation>
    </message>
    <message>
        <source>The Merolan did not answer: %1</source>
        <extracomment>%1 is a query, such as #SerialNum?</extracomment>
        <translation>Το Merolan δεν απάντησε: %1</translation>
    </message>
    <message>
        <source>Setup write failed. No answer. Command: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000, or a query, such as #SerialNum?</extracomment>
        <translation>Η εγγραφή ρυθμίσεων απέτυχε. Καμία απάντηση. Εντολή: %1</translation>
    </message>
    <message>
        <source>Setup write aborted.</source>
        <translation>Η εγγραφή ρυθμίσεων διακόπηκε.</translation>
    </message>
    <message>
        <source>Error writing setting: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000</extracomment>
        <translation>Σφάλμα κατά την εγγραφή της ρύθμισης: %1</translation>
    </message>
    <message>
        <source>Setup write failed. Command: %1</source>
        <extracomment>%1 is a setting line, such as SMSNUM=+306900000000</extracomment>
        <translation>Η εγγραφή ρυθμίσεων απέτυχε. Εντολή: %1</translation>
    </message>
    <message>
        <source>Write setup to Merolan</source>
        <translation>Εγγραφή στο Merolan</translation>
    </message>
    <message>
        <source>Writing setup...</source>
        <translation>Εγγραφή ρυθμίσεων...</translation>
    </message>
    <message>
        <source>Setup write finished successfully.</source>
        <translation>Η εγγραφή ρυθμίσεων ολοκληρώθηκε επιτυχώς.</translation>
    </message>
    <message>
        <source>Write will not be performed because there are no changes.</source>
        <translation>Η εγγραφή δεν θα γίνει, επειδή δεν υπάρχουν αλλαγές.</translation>
    </message>
    <message>
        <source>Aborting. Please wait...</source>
        <translation>Διακοπή. Περιμένετε...</translation>
    </message>
    <message>
        <source>Serial numbers do not match</source>
        <translation>Οι σειριακοί αριθμοί διαφέρουν</translation>
    </message>
    <message>
        <source>Serial numbers match</source>
        <translation>Οι σειριακοί αριθμοί ταιριάζουν</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Merolan programmer</source>
        <translation>Merolan programmer</translation>
    </message>
    <message>
        <source>Version %1.%2  Build %3</source>
        <extracomment>%1.%2 is the version, %3 the build number</extracomment>
        <translation>Έκδοση %1.%2  Μεταγλώττιση %3</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name</extracomment>
        <translation>Πληροφορίες: %1</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Εικονίδιο προγράμματος</translation>
    </message>
    <message>
        <source>Programs the Brantholm Merolan modem.
Reads, edits and writes its setup on the serial line, through a GSM data call or over the network.</source>
        <translation>Προγραμματίζει το μόντεμ Merolan της Brantholm.
Διαβάζει, αλλάζει και γράφει τις ρυθμίσεις του μέσω της σειριακής γραμμής, με κλήση δεδομένων GSM ή μέσω δικτύου.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Πληροφορίες συστήματος...</translation>
    </message>
    <message>
        <source>View license</source>
        <translation>Προβολή άδειας χρήσης</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Οι πληροφορίες συστήματος δεν είναι διαθέσιμες αυτή τη στιγμή</translation>
    </message>
</context>
<context>
    <name>frmBaud</name>
    <message>
        <source>Baud rate selection</source>
        <translation>Επιλογή ταχύτητας (baud)</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Ταχύτητα (baud)</translation>
    </message>
    <message>
        <source>Entry %1 (unknown rate)</source>
        <extracomment>%1 is the number of the rate table&apos;s entry that the setup holds</extracomment>
        <translation>Θέση %1 (άγνωστη ταχύτητα)</translation>
    </message>
    <message>
        <source>115200 (not offered by this firmware)</source>
        <translation>115200 (δεν προσφέρεται από αυτή την έκδοση υλικολογισμικού)</translation>
    </message>
</context>
<context>
    <name>frmCom</name>
    <message>
        <source>Serial traffic</source>
        <translation>Κίνηση σειριακής</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Αποθήκευση...</translation>
    </message>
    <message>
        <source>Save the traffic to a text file, each line with its time</source>
        <translation>Αποθήκευση της κίνησης σε αρχείο κειμένου, κάθε γραμμή με την ώρα της</translation>
    </message>
    <message>
        <source>Save serial traffic</source>
        <translation>Αποθήκευση κίνησης σειριακής</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Αρχεία κειμένου (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>Keep &quot;(*.*)&quot; as it is: the file dialog reads the pattern from it.</extracomment>
        <translation>Όλα τα αρχεία (*.*)</translation>
    </message>
    <message>
        <source>Cannot save the serial traffic to %1: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Δεν είναι δυνατή η αποθήκευση της κίνησης σειριακής στο %1: %2</translation>
    </message>
</context>
<context>
    <name>frmDepends</name>
    <message>
        <source>Software Dependencies</source>
        <translation>Εξαρτήσεις λογισμικού</translation>
    </message>
    <message>
        <source>Loaded modules</source>
        <translation>Φορτωμένες μονάδες</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Όνομα προϊόντος</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Έκδοση αρχείου</translation>
    </message>
    <message>
        <source>Company Name</source>
        <translation>Όνομα εταιρείας</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Αντιγραφή</translation>
    </message>
    <message>
        <source>Copy the whole list as text, for a problem report</source>
        <translation>Αντιγραφή όλης της λίστας ως κείμενο, για αναφορά προβλήματος</translation>
    </message>
    <message numerus="yes">
        <source>%n modules</source>
        <translation>
            <numerusform>%n μονάδα</numerusform>
            <numerusform>%n μονάδες</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmSelCon</name>
    <message>
        <source>You will be programming a Merolan modem, connected to a local COM port.
Select an available COM port and a suitable Baud rate. The default Merolan rate is 9600 Baud.
To start click the &apos;Start programming&apos; button.</source>
        <translation>Θα προγραμματίσετε ένα μόντεμ Merolan, συνδεδεμένο σε τοπική θύρα COM.
Διαλέξτε μια διαθέσιμη θύρα COM και κατάλληλη ταχύτητα (baud). Η προεπιλεγμένη ταχύτητα του Merolan είναι 9600 baud.
Για να ξεκινήσετε, πατήστε το κουμπί «Έναρξη προγραμματισμού».</translation>
    </message>
    <message>
        <source>You will be programming a remote Merolan modem.
The remote Merolan will be reached via a DATA (GSM) connection.
To start click the &apos;Start programming&apos; button.</source>
        <translation>Θα προγραμματίσετε ένα απομακρυσμένο μόντεμ Merolan.
Η σύνδεση με το απομακρυσμένο Merolan θα γίνει μέσω κλήσης δεδομένων (GSM).
Για να ξεκινήσετε, πατήστε το κουμπί «Έναρξη προγραμματισμού».</translation>
    </message>
    <message>
        <source>You will be programming a remote Merolan modem.
The remote Merolan will be reached via an Ethernet (GPRS) connection.
To start click the &apos;Start programming&apos; button.</source>
        <translation>Θα προγραμματίσετε ένα απομακρυσμένο μόντεμ Merolan.
Η σύνδεση με το απομακρυσμένο Merolan θα γίνει μέσω Ethernet (GPRS).
Για να ξεκινήσετε, πατήστε το κουμπί «Έναρξη προγραμματισμού».</translation>
    </message>
    <message>
        <source>Merolan programmer</source>
        <translation>Merolan programmer</translation>
    </message>
    <message>
        <source>Merolan not found</source>
        <translation>Δεν βρέθηκε Merolan</translation>
    </message>
    <message>
        <source>Program Merolan</source>
        <translation>Προγραμματισμός του Merolan</translation>
    </message>
    <message>
        <source>Merolan found</source>
        <translation>Βρέθηκε Merolan</translation>
    </message>
    <message>
        <source>The Merolan holds other values than were written. They are marked, and the next write sends them again:</source>
        <translation>Το Merolan έχει άλλες τιμές από αυτές που γράφτηκαν. Έχουν σημειωθεί, και η επόμενη εγγραφή θα τις στείλει ξανά:</translation>
    </message>
    <message>
        <source>Not read back: %1</source>
        <extracomment>%1 is the list of settings, separated by commas.</extracomment>
        <translation>Δεν επιβεβαιώθηκαν με ανάγνωση: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>Load Setup from file</source>
        <translation>Φόρτωση ρυθμίσεων από αρχείο</translation>
    </message>
    <message>
        <source>Save Setup to file</source>
        <translation>Αποθήκευση ρυθμίσεων σε αρχείο</translation>
    </message>
    <message>
        <source>Pending changes...</source>
        <translation>Εκκρεμείς αλλαγές...</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>File menu: ends the program.</extracomment>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>Help menu: opens the user guide.</extracomment>
        <translation>Περιεχόμενα</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Help menu: the program&apos;s version and licences.</extracomment>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Port</source>
        <extracomment>Label of the serial port list.</extracomment>
        <translation>Θύρα</translation>
    </message>
    <message>
        <source>Baud</source>
        <extracomment>Label of the baud rate list.</extracomment>
        <translation>Ταχύτητα (baud)</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Label of the modem password field.</extracomment>
        <translation>Κωδικός πρόσβασης</translation>
    </message>
    <message>
        <source>Start programming</source>
        <translation>Έναρξη προγραμματισμού</translation>
    </message>
    <message>
        <source>PC will connect to Merolan via a local COM port</source>
        <translation>Ο υπολογιστής θα συνδεθεί με το Merolan μέσω τοπικής θύρας COM</translation>
    </message>
    <message>
        <source>PC will connect to Merolan via a GSM data call</source>
        <translation>Ο υπολογιστής θα συνδεθεί με το Merolan μέσω κλήσης δεδομένων GSM</translation>
    </message>
    <message>
        <source>PC will connect to Merolan via Ethernet or GPRS</source>
        <translation>Ο υπολογιστής θα συνδεθεί με το Merolan μέσω Ethernet ή GPRS</translation>
    </message>
    <message>
        <source>PC COM port</source>
        <translation>Θύρα COM υπολογιστή</translation>
    </message>
    <message>
        <source>RS-232 cable (null modem)</source>
        <translation>Καλώδιο RS-232 (null modem)</translation>
    </message>
    <message>
        <source>Merolan Master port</source>
        <translation>Θύρα Master του Merolan</translation>
    </message>
    <message>
        <source>Local modem</source>
        <translation>Τοπικό μόντεμ</translation>
    </message>
    <message>
        <source>GSM network</source>
        <translation>Δίκτυο GSM</translation>
    </message>
    <message>
        <source>PC virtual COM port</source>
        <translation>Εικονική θύρα COM υπολογιστή</translation>
    </message>
    <message>
        <source>Virtual COM port</source>
        <translation>Εικονική θύρα COM</translation>
    </message>
    <message>
        <source>Ethernet/GPRS network</source>
        <translation>Δίκτυο Ethernet/GPRS</translation>
    </message>
    <message>
        <source>Operating role</source>
        <translation>Ρόλος λειτουργίας</translation>
    </message>
    <message>
        <source>Merolan is used with a Ombrilex data logger. Merolan will answer SMS message queries.</source>
        <translation>Το Merolan χρησιμοποιείται με καταγραφικό Ombrilex. Το Merolan θα απαντά σε ερωτήματα με μηνύματα SMS.</translation>
    </message>
    <message>
        <source>Refresh setup from Merolan</source>
        <translation>Ανανέωση από το Merolan</translation>
    </message>
    <message>
        <source>Write setup to Merolan</source>
        <translation>Εγγραφή στο Merolan</translation>
    </message>
    <message>
        <source>&amp;Read back and compare</source>
        <translation>&amp;Ανάγνωση και σύγκριση</translation>
    </message>
    <message>
        <source>After each write, ask the Merolan for every setting written and compare it with what was sent</source>
        <translation>Μετά από κάθε εγγραφή, ζητείται από το Merolan κάθε ρύθμιση που γράφτηκε και συγκρίνεται με ό,τι στάλθηκε</translation>
    </message>
    <message>
        <source>Right-click or press the menu key for Read back and compare</source>
        <translation>Κάντε δεξί κλικ ή πατήστε το πλήκτρο μενού για «Ανάγνωση και σύγκριση»</translation>
    </message>
    <message>
        <source>Finish programming</source>
        <translation>Τέλος προγραμματισμού</translation>
    </message>
</context>
</TS>
