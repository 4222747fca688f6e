<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
  <context>
    <name>QTabBar</name>
    <message>
      <source>Scroll Left</source>
      <translation>Κύλιση αριστερά</translation>
    </message>
    <message>
      <source>Scroll Right</source>
      <translation>Κύλιση δεξιά</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>Ό&amp;χι</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Ναι</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Βοήθεια</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Άνοιγμα</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Αποθήκευση</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Ματαίωση</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Εφαρμογή</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Κλείσιμο</translation>
    </message>
    <message>
      <source>Reset</source>
      <translation>Επαναφορά</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Επανάληψη</translation>
    </message>
    <message>
      <source>Restore Defaults</source>
      <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Άκυρο</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Παράβλεψη</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>Όχι σε όλ&amp;α</translation>
    </message>
    <message>
      <source>Save All</source>
      <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Απόρριψη</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Ναι σε ό&amp;λα</translation>
    </message>
  </context>
  <context>
    <name>QScrollBar</name>
    <message>
      <source>Top</source>
      <translation>Αρχή</translation>
    </message>
    <message>
      <source>Scroll down</source>
      <translation>Κύλιση κάτω</translation>
    </message>
    <message>
      <source>Scroll here</source>
      <translation>Κύλιση εδώ</translation>
    </message>
    <message>
      <source>Scroll left</source>
      <translation>Κύλιση αριστερά</translation>
    </message>
    <message>
      <source>Bottom</source>
      <translation>Τέλος</translation>
    </message>
    <message>
      <source>Page up</source>
      <translation>Σελίδα επάνω</translation>
    </message>
    <message>
      <source>Page right</source>
      <translation>Σελίδα δεξιά</translation>
    </message>
    <message>
      <source>Scroll up</source>
      <translation>Κύλιση επάνω</translation>
    </message>
    <message>
      <source>Scroll right</source>
      <translation>Κύλιση δεξιά</translation>
    </message>
    <message>
      <source>Left edge</source>
      <translation>Αριστερό άκρο</translation>
    </message>
    <message>
      <source>Page down</source>
      <translation>Σελίδα κάτω</translation>
    </message>
    <message>
      <source>Page left</source>
      <translation>Σελίδα αριστερά</translation>
    </message>
    <message>
      <source>Right edge</source>
      <translation>Δεξιό άκρο</translation>
    </message>
  </context>
  <context>
    <name>QFileDialog</name>
    <message>
      <source>Back</source>
      <translation>Πίσω</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Άνοιγμα</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
      <source>Files</source>
      <translation>Αρχεία</translation>
    </message>
    <message>
      <source>Show </source>
      <translation>Εμφάνιση </translation>
    </message>
    <message>
      <source>'%1' is write protected.
Do you want to delete it anyway?</source>
      <translation>Το «%1» προστατεύεται από εγγραφή.
Θέλετε να διαγραφεί παρόλα αυτά;</translation>
    </message>
    <message>
      <source>Are you sure you want to delete '%1'?</source>
      <translation>Θέλετε σίγουρα να διαγράψετε το «%1»;</translation>
    </message>
    <message>
      <source>List of places and bookmarks</source>
      <translation>Λίστα θέσεων και σελιδοδεικτών</translation>
    </message>
    <message>
      <source>File &amp;name:</source>
      <translation>Όνομα αρ&amp;χείου:</translation>
    </message>
    <message>
      <source>Alt+Left</source>
      <translation>Alt+Left</translation>
    </message>
    <message>
      <source>Alt+Up</source>
      <translation>Alt+Up</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Διαγραφή</translation>
    </message>
    <message>
      <source>New Folder</source>
      <translation>Νέος φάκελος</translation>
    </message>
    <message>
      <source>Parent Directory</source>
      <translation>Γονικός φάκελος</translation>
    </message>
    <message>
      <source>&amp;New Folder</source>
      <translation>Νέος &amp;φάκελος</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Κατάργηση</translation>
    </message>
    <message>
      <source>Look in:</source>
      <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
      <source>Alt+Right</source>
      <translation>Alt+Right</translation>
    </message>
    <message>
      <source>Create a New Folder</source>
      <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
      <source>Files of type:</source>
      <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
      <source>Find Directory</source>
      <translation>Εύρεση φακέλου</translation>
    </message>
    <message>
      <source>Show &amp;hidden files</source>
      <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
      <source>Save As</source>
      <translation>Αποθήκευση ως</translation>
    </message>
    <message>
      <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
      <translation>%1
Ο φάκελος δεν βρέθηκε.
Ελέγξτε ότι δώσατε το σωστό όνομα φακέλου.</translation>
    </message>
    <message>
      <source>Sidebar</source>
      <translation>Πλαϊνή γραμμή</translation>
    </message>
    <message>
      <source>List View</source>
      <translation>Προβολή λίστας</translation>
    </message>
    <message>
      <source>&amp;Choose</source>
      <translation>&amp;Επιλογή</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
      <source>All files (*)</source>
      <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
      <source>All Files (*)</source>
      <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
      <source>Directories</source>
      <translation>Φάκελοι</translation>
    </message>
    <message>
      <source>&amp;Rename</source>
      <translation>Με&amp;τονομασία</translation>
    </message>
    <message>
      <source>Could not delete directory.</source>
      <translation>Δεν ήταν δυνατή η διαγραφή του φακέλου.</translation>
    </message>
    <message>
      <source>Directory:</source>
      <translation>Φάκελος:</translation>
    </message>
    <message>
      <source>%1 already exists.
Do you want to replace it?</source>
      <translation>Το αρχείο %1 υπάρχει ήδη.
Θέλετε να το αντικαταστήσετε;</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Εμπρός</translation>
    </message>
    <message>
      <source>Go forward</source>
      <translation>Μετάβαση εμπρός</translation>
    </message>
    <message>
      <source>Go to the parent directory</source>
      <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
      <source>Recent Places</source>
      <translation>Πρόσφατες θέσεις</translation>
    </message>
    <message>
      <source>Go back</source>
      <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
      <source>Change to detail view mode</source>
      <translation>Αλλαγή σε προβολή λεπτομερειών</translation>
    </message>
    <message>
      <source>Create New Folder</source>
      <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
      <source>Detail View</source>
      <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
      <source>%1
File not found.
Please verify the correct file name was given.</source>
      <translation>%1
Το αρχείο δεν βρέθηκε.
Ελέγξτε ότι δώσατε το σωστό όνομα αρχείου.</translation>
    </message>
    <message>
      <source>Change to list view mode</source>
      <translation>Αλλαγή σε προβολή λίστας</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>Ε&amp;πανάληψη</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Διαγραφή</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Επιλογή όλων</translation>
    </message>
  </context>
  <context>
    <name>QWidgetTextControl</name>
    <message>
      <source>Cu&amp;t</source>
      <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
      <source>&amp;Redo</source>
      <translation>Ε&amp;πανάληψη</translation>
    </message>
    <message>
      <source>&amp;Undo</source>
      <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Διαγραφή</translation>
    </message>
    <message>
      <source>Select All</source>
      <translation>Επιλογή όλων</translation>
    </message>
    <message>
      <source>Copy &amp;Link Location</source>
      <translation>Αντιγραφή διεύθυνσης &amp;συνδέσμου</translation>
    </message>
  </context>
  <context>
    <name>QFileSystemModel</name>
    <message>
      <source>Kind</source>
      <translation>Είδος</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Όνομα</translation>
    </message>
    <message>
      <source>Size</source>
      <translation>Μέγεθος</translation>
    </message>
    <message>
      <source>Type</source>
      <translation>Τύπος</translation>
    </message>
    <message>
      <source>My Computer</source>
      <translation>Ο Υπολογιστής μου</translation>
    </message>
    <message>
      <source>Computer</source>
      <translation>Υπολογιστής</translation>
    </message>
    <message>
      <source>Date Modified</source>
      <translation>Ημερομηνία τροποποίησης</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>Show Details...</source>
      <translation>Εμφάνιση λεπτομερειών...</translation>
    </message>
    <message>
      <source>About Qt</source>
      <translation>Πληροφορίες για το Qt</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>Απόκρυψη λεπτομερειών...</translation>
    </message>
    <message>
      <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
      <translation>&lt;h3&gt;Πληροφορίες για το Qt&lt;/h3&gt;&lt;p&gt;Αυτό το πρόγραμμα χρησιμοποιεί την έκδοση %1 του Qt.&lt;/p&gt;</translation>
    </message>
    <message>
      <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href="http://%2/"&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href="http://%3/"&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
      <translation>&lt;p&gt;Το Qt είναι ένα σύνολο εργαλείων C++ για την ανάπτυξη εφαρμογών για πολλές πλατφόρμες.&lt;/p&gt;&lt;p&gt;Με το Qt ο ίδιος πηγαίος κώδικας μεταφέρεται σε όλα τα κύρια λειτουργικά συστήματα επιτραπέζιων υπολογιστών. Διατίθεται επίσης για ενσωματωμένο Linux και για άλλα ενσωματωμένα και φορητά λειτουργικά συστήματα.&lt;/p&gt;&lt;p&gt;Το Qt διατίθεται με πολλές επιλογές άδειας χρήσης, σχεδιασμένες για τις ανάγκες των διαφόρων χρηστών μας.&lt;/p&gt;&lt;p&gt;Το Qt με την εμπορική μας άδεια χρήσης ενδείκνυται για την ανάπτυξη ιδιόκτητου/εμπορικού λογισμικού, όταν δεν θέλετε να μοιραστείτε πηγαίο κώδικα με τρίτους ή δεν μπορείτε για άλλο λόγο να τηρήσετε τους όρους της GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Το Qt με άδεια GNU (L)GPL ενδείκνυται για την ανάπτυξη εφαρμογών&amp;nbsp;Qt, εφόσον μπορείτε να τηρήσετε τους όρους και τις προϋποθέσεις των αντίστοιχων αδειών.&lt;/p&gt;&lt;p&gt;Για μια επισκόπηση των αδειών χρήσης του Qt, δείτε &lt;a href="http://%2/"&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd και άλλοι συντελεστές.&lt;/p&gt;&lt;p&gt;Το Qt και το λογότυπο του Qt είναι εμπορικά σήματα της The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Το Qt είναι προϊόν της The Qt Company Ltd που αναπτύσσεται ως έργο ανοιχτού κώδικα. Για περισσότερες πληροφορίες, δείτε &lt;a href="http://%3/"&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
  </context>
  <context>
    <name>QAbstractSpinBox</name>
    <message>
      <source>Step &amp;down</source>
      <translation>&amp;Μείωση</translation>
    </message>
    <message>
      <source>&amp;Step up</source>
      <translation>Αύ&amp;ξηση</translation>
    </message>
    <message>
      <source>&amp;Select All</source>
      <translation>Επιλογή ό&amp;λων</translation>
    </message>
  </context>
  <context>
    <name>QInputDialog</name>
    <message>
      <source>Enter a value:</source>
      <translation>Εισαγάγετε μια τιμή:</translation>
    </message>
  </context>
</TS>
