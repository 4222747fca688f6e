<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
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
    <name>QtSerialLink</name>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an IPv6 address goes in brackets, as in tcp://[fd00::20]:4001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the host or the port is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build of the programmer cannot reach modems on the network: %1 is not available. Use a serial port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a network port: %2. Write it as tcp://HOST:PORT, as in tcp://192.168.1.20:4001.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from %1 within %2 s. Check the address, the network and that the server is on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect to %1: %2. Check that the server is on and takes connections on that port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to %1 was lost</source>
        <translation type="unfinished"></translation>
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
        <translation>ΠΑΝΤΑ ΣΕ ΛΕΙΤΟΥΡΓΙΑ</translation>
    </message>
    <message>
        <source>ALWAYS OFF</source>
        <translation>ΠΑΝΤΑ ΕΚΤΟΣ ΛΕΙΤΟΥΡΓΙΑΣ</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>Invalid line settings &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not send to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host of %1 is not known (%2). Check the name and the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 does not exist. Check that the adapter is plugged in and that the port name is right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port %1 is in use by another program. Close that program, or choose another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use the port %1. Your user must be in the group that owns the device, usually dialout: sudo usermod -aG dialout $USER, then log in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may not use the port %1.</source>
        <translation type="unfinished"></translation>
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
        <translation>Κωδικός πρόσβασης: Ανενεργός</translation>
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
        <translation>Το Merolan περιμένει κλήσεις δεδομένων</translation>
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
        <translation>ΕΝΕΡΓΗ 11:30~20:00</translation>
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
        <translation>Ρολόι: %1 σε σχέση με αυτόν τον υπολογιστή</translation>
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
        <translation>Ανανέωση ρυθμίσεων από το Merolan</translation>
    </message>
    <message>
        <source>Write setup to Merolan</source>
        <translation>Εγγραφή ρυθμίσεων στο Merolan</translation>
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
