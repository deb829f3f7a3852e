<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="T10">
        <source>Orvello Kitbench Wizard</source>
        <extracomment>window title; title of every message box</extracomment>
        <translation>Orvello Kitbench Wizard</translation>
    </message>
    <message id="T12">
        <source>en-US</source>
        <extracomment>not shown: language code sent with the dictionary request (LoadDictionaries)</extracomment>
        <translation>de-DE</translation>
    </message>
    <message id="T100">
        <source>&amp;Help</source>
        <extracomment>navigation button Help</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message id="T101">
        <source>&amp;Cancel</source>
        <extracomment>navigation button Cancel</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message id="T102">
        <source>&lt; &amp;Back</source>
        <extracomment>navigation button Back</extracomment>
        <translation>&lt; &amp;Zurück</translation>
    </message>
    <message id="T103">
        <source>&amp;Next &gt;</source>
        <extracomment>navigation button Next</extracomment>
        <translation>&amp;Weiter &gt;</translation>
    </message>
    <message id="T104">
        <source>&amp;Finish</source>
        <extracomment>navigation button Finish</extracomment>
        <translation>&amp;Fertig stellen</translation>
    </message>
    <message id="T105">
        <source>Cr&amp;eate &gt;</source>
        <extracomment>navigation button Next on the documents page (page 20) when it creates the object</extracomment>
        <translation>&amp;Erstellen &gt;</translation>
    </message>
    <message id="T1000">
        <source>Introduction Screen</source>
        <extracomment>page 0 frame caption</extracomment>
        <translation>Einführung</translation>
    </message>
    <message id="T1001">
        <source>Welcome to the Orvello Kitbench Wizard</source>
        <extracomment>page 0, heading (lblStep(0)); replaced at run time by 1010 or the job's heading</extracomment>
        <translation>Willkommen beim Orvello Kitbench Wizard</translation>
    </message>
    <message id="T1002">
        <source>Do not show this introduction screen again</source>
        <extracomment>page 0, check box chkShowIntro: skip this page when a job is given on the command line</extracomment>
        <translation>Diese Einführung nicht mehr anzeigen</translation>
    </message>
    <message id="T1003">
        <source>This wizard helps you work with your Orvello server.</source>
        <extracomment>page 0, welcome text (lblWelcome); replaced at run time by 1011 or the job's description</extracomment>
        <translation>Dieser Assistent hilft Ihnen bei der Arbeit mit Ihrem Orvello-Server.</translation>
    </message>
    <message id="T1010">
        <source>Welcome to the Orvello Kitbench Wizard</source>
        <extracomment>page 0, heading when no job was chosen yet</extracomment>
        <translation>Willkommen beim Orvello Kitbench Wizard</translation>
    </message>
    <message id="T1011">
        <source>Choose what you want to do and click Next.</source>
        <extracomment>page 0, welcome text when no job was chosen yet (above the job list)</extracomment>
        <translation>Wählen Sie aus, was Sie tun möchten, und klicken Sie auf Weiter.</translation>
    </message>
    <message id="T1012">
        <source>Create Incident</source>
        <extracomment>page 0, heading for the job CREATEINCIDENT</extracomment>
        <translation>Vorfall erstellen</translation>
    </message>
    <message id="T1013">
        <source>Create a new incident and attach documents to it</source>
        <extracomment>page 0, job list entry and welcome text for CREATEINCIDENT</extracomment>
        <translation>Einen neuen Vorfall erstellen und Dokumente anhängen</translation>
    </message>
    <message id="T1014">
        <source>Create Task</source>
        <extracomment>page 0, heading for the job CREATETASK</extracomment>
        <translation>Aufgabe erstellen</translation>
    </message>
    <message id="T1015">
        <source>Create a new task and choose its team</source>
        <extracomment>page 0, job list entry and welcome text for CREATETASK</extracomment>
        <translation>Eine neue Aufgabe erstellen und ihr Team auswählen</translation>
    </message>
    <message id="T1016">
        <source>Create Event</source>
        <extracomment>page 0, heading for the job CREATEEVENT</extracomment>
        <translation>Termin erstellen</translation>
    </message>
    <message id="T1017">
        <source>Create a new calendar event and invite participants</source>
        <extracomment>page 0, job list entry and welcome text for CREATEEVENT</extracomment>
        <translation>Einen neuen Kalendertermin erstellen und Teilnehmer einladen</translation>
    </message>
    <message id="T1018">
        <source>Assign To-Do</source>
        <extracomment>page 0, heading for the job CREATETODO</extracomment>
        <translation>To-do zuweisen</translation>
    </message>
    <message id="T1019">
        <source>Assign a new to-do</source>
        <extracomment>page 0, job list entry and welcome text for CREATETODO</extracomment>
        <translation>Ein neues To-do zuweisen</translation>
    </message>
    <message id="T1020">
        <source>Publish Files</source>
        <extracomment>page 0, heading for the job UPLOAD</extracomment>
        <translation>Dateien veröffentlichen</translation>
    </message>
    <message id="T1021">
        <source>Publish files into the file library</source>
        <extracomment>page 0, job list entry and welcome text for UPLOAD</extracomment>
        <translation>Dateien in der Dateibibliothek veröffentlichen</translation>
    </message>
    <message id="T1022">
        <source>Download File</source>
        <extracomment>page 0, heading for the job DOWNLOAD</extracomment>
        <translation>Datei herunterladen</translation>
    </message>
    <message id="T1023">
        <source>Download a file from the file library</source>
        <extracomment>page 0, job list entry and welcome text for DOWNLOAD</extracomment>
        <translation>Eine Datei aus der Dateibibliothek herunterladen</translation>
    </message>
    <message id="T1024">
        <source>Create Project</source>
        <extracomment>page 0, heading for the job CREATEPROJECT</extracomment>
        <translation>Projekt erstellen</translation>
    </message>
    <message id="T1025">
        <source>Create a new project</source>
        <extracomment>page 0, job list entry and welcome text for CREATEPROJECT</extracomment>
        <translation>Ein neues Projekt erstellen</translation>
    </message>
    <message id="T1026">
        <source>Import Project</source>
        <extracomment>page 0, heading for the job IMPORTPROJECT</extracomment>
        <translation>Projekt importieren</translation>
    </message>
    <message id="T1027">
        <source>Import a Microsoft Project plan into a new or existing project</source>
        <extracomment>page 0, job list entry and welcome text for IMPORTPROJECT</extracomment>
        <translation>Einen Microsoft Project-Plan in ein neues oder bestehendes Projekt importieren</translation>
    </message>
    <message id="T1028">
        <source>Open Project in MS Project</source>
        <extracomment>page 0, heading for the job EXPORTPROJECT</extracomment>
        <translation>Projekt in MS Project öffnen</translation>
    </message>
    <message id="T1029">
        <source>Open an Orvello project in Microsoft Project</source>
        <extracomment>page 0, job list entry and welcome text for EXPORTPROJECT</extracomment>
        <translation>Ein Orvello-Projekt in Microsoft Project öffnen</translation>
    </message>
    <message id="T1030">
        <source>Export Calendar</source>
        <extracomment>page 0, heading for the job EXPORTCALENDAR</extracomment>
        <translation>Kalender exportieren</translation>
    </message>
    <message id="T1031">
        <source>Export calendar entries to Outlook</source>
        <extracomment>page 0, job list entry and welcome text for EXPORTCALENDAR</extracomment>
        <translation>Kalendereinträge nach Outlook exportieren</translation>
    </message>
    <message id="T1032">
        <source>Create a new list</source>
        <extracomment>page 0, job list entry and welcome text for CREATELIST</extracomment>
        <translation>Eine neue Liste erstellen</translation>
    </message>
    <message id="T1033">
        <source>Create List</source>
        <extracomment>page 0, heading for the job CREATELIST</extracomment>
        <translation>Liste erstellen</translation>
    </message>
    <message id="T1034">
        <source>Create a list from an Excel workbook</source>
        <extracomment>page 0, job list entry and welcome text for IMPORTLIST</extracomment>
        <translation>Eine Liste aus einer Excel-Arbeitsmappe erstellen</translation>
    </message>
    <message id="T1035">
        <source>Import List from Excel</source>
        <extracomment>page 0, heading for the job IMPORTLIST</extracomment>
        <translation>Liste aus Excel importieren</translation>
    </message>
    <message id="T1101">
        <source>Enter your login and password. The login is your user name, "@" and the server address, for example jsmith@orvello.example.com.</source>
        <extracomment>page 1, instruction above the login fields</extracomment>
        <translation>Geben Sie Anmeldenamen und Kennwort ein. Der Anmeldename besteht aus Ihrem Benutzernamen, "@" und der Serveradresse, zum Beispiel jsmith@orvello.example.com.</translation>
    </message>
    <message id="T1102">
        <source>&amp;Login</source>
        <extracomment>page 1, login label</extracomment>
        <translation>A&amp;nmeldename</translation>
    </message>
    <message id="T1103">
        <source>P&amp;assword</source>
        <extracomment>page 1, password label</extracomment>
        <translation>&amp;Kennwort</translation>
    </message>
    <message id="T1104">
        <source>Us&amp;e Proxy</source>
        <extracomment>page 1, check box CheckProxy</extracomment>
        <translation>Proxy &amp;verwenden</translation>
    </message>
    <message id="T1105">
        <source>&amp;Get proxy settings from Web Browser</source>
        <extracomment>page 1, option OptionFromBrowser</extracomment>
        <translation>Proxy-Einstellungen &amp;des Webbrowsers übernehmen</translation>
    </message>
    <message id="T1106">
        <source>&amp;Proxy</source>
        <extracomment>page 1, option OptionProxy (use the proxy given below)</extracomment>
        <translation>&amp;Proxy</translation>
    </message>
    <message id="T1107">
        <source>&amp;Server</source>
        <extracomment>page 1, proxy server label</extracomment>
        <translation>&amp;Server</translation>
    </message>
    <message id="T1108">
        <source>&amp;User</source>
        <extracomment>page 1, proxy user label</extracomment>
        <translation>&amp;Benutzer</translation>
    </message>
    <message id="T1109">
        <source>Pass&amp;word</source>
        <extracomment>page 1, proxy password label</extracomment>
        <translation>K&amp;ennwort</translation>
    </message>
    <message id="T1110">
        <source>Use Secu&amp;re Connection (SSL). </source>
        <extracomment>page 1, check box CheckUseSSL</extracomment>
        <translation>S&amp;ichere Verbindung (SSL) verwenden. </translation>
    </message>
    <message id="T1111">
        <source>Sa&amp;ve Password</source>
        <extracomment>page 1, check box SavePasswordCheck</extracomment>
        <translation>Kennw&amp;ort speichern</translation>
    </message>
    <message id="T1201">
        <source>Connect to the Orvello server</source>
        <extracomment>page 1, heading (Label1(1))</extracomment>
        <translation>Mit dem Orvello-Server verbinden</translation>
    </message>
    <message id="T1301">
        <source>Choose the people who take part and add them to the selected list. To continue, click Next.</source>
        <extracomment>page 18, instruction (Label11(0))</extracomment>
        <translation>Wählen Sie die beteiligten Personen aus und fügen Sie sie der Auswahlliste hinzu. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T1310">
        <source>Give users the roles of the project template: pick a role, select users and click Add. To continue, click Next.</source>
        <extracomment>page 19, instruction (Label79)</extracomment>
        <translation>Weisen Sie Benutzern die Rollen der Projektvorlage zu: Rolle wählen, Benutzer markieren und auf Hinzufügen klicken. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T1401">
        <source>Supported Documents</source>
        <extracomment>page 20, heading (Label1(0))</extracomment>
        <translation>Begleitdokumente</translation>
    </message>
    <message id="T1402">
        <source>Add the documents to attach to the new item, if any. Click Create to create it on the server.</source>
        <extracomment>page 20, instruction when the object is created there (every job but UPLOAD)</extracomment>
        <translation>Fügen Sie bei Bedarf Dokumente hinzu, die an das neue Element angehängt werden. Klicken Sie auf Erstellen, um es auf dem Server anzulegen.</translation>
    </message>
    <message id="T1403">
        <source>Add the files you want to publish, then click Next to choose the library folder.</source>
        <extracomment>page 20, instruction in the job UPLOAD</extracomment>
        <translation>Fügen Sie die zu veröffentlichenden Dateien hinzu und klicken Sie dann auf Weiter, um den Bibliotheksordner zu wählen.</translation>
    </message>
    <message id="T2001">
        <source>Please wait while the wizard works with the server...</source>
        <extracomment>window, status line beside the progress bar (lblStep(1))</extracomment>
        <translation>Bitte warten Sie, während der Assistent mit dem Server arbeitet...</translation>
    </message>
    <message id="T2002">
        <source>Step 1 Connect to Server</source>
        <extracomment>page 1 frame caption</extracomment>
        <translation>Schritt 1 Mit dem Server verbinden</translation>
    </message>
    <message id="T2101">
        <source>Enter the details of the new incident. To continue, click Next.</source>
        <extracomment>page 2, instruction (Label6)</extracomment>
        <translation>Geben Sie die Angaben zum neuen Vorfall ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2102">
        <source>&amp;Title:</source>
        <extracomment>page 2, label</extracomment>
        <translation>T&amp;itel:</translation>
    </message>
    <message id="T2103">
        <source>&amp;Priority:</source>
        <extracomment>page 2, label</extracomment>
        <translation>&amp;Priorität:</translation>
    </message>
    <message id="T2104">
        <source>T&amp;ype:</source>
        <extracomment>page 2, label</extracomment>
        <translation>&amp;Typ:</translation>
    </message>
    <message id="T2105">
        <source>&amp;Severity :</source>
        <extracomment>page 2, label</extracomment>
        <translation>&amp;Schweregrad:</translation>
    </message>
    <message id="T2106">
        <source>P&amp;roject :</source>
        <extracomment>page 2, label</extracomment>
        <translation>P&amp;rojekt:</translation>
    </message>
    <message id="T2107">
        <source>&amp;Description:</source>
        <extracomment>page 2, label</extracomment>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message id="T2108">
        <source>C&amp;ategory:</source>
        <extracomment>page 2, label</extracomment>
        <translation>Kat&amp;egorie:</translation>
    </message>
    <message id="T2109">
        <source>&amp;Incident Box:</source>
        <extracomment>page 2, label</extracomment>
        <translation>&amp;Vorfallsbox:</translation>
    </message>
    <message id="T2110">
        <source>(Default incident box)</source>
        <extracomment>page 2, first entry of IncidentBoxCombo (no box chosen: the server decides)</extracomment>
        <translation>(Standard-Vorfallsbox)</translation>
    </message>
    <message id="T2201">
        <source>Enter the details of the new task. To continue, click Next.</source>
        <extracomment>page 3, instruction (Label8)</extracomment>
        <translation>Geben Sie die Angaben zur neuen Aufgabe ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2202">
        <source>&amp;Title:</source>
        <extracomment>page 3, label</extracomment>
        <translation>&amp;Titel:</translation>
    </message>
    <message id="T2203">
        <source>P&amp;roject :</source>
        <extracomment>page 3, label</extracomment>
        <translation>P&amp;rojekt:</translation>
    </message>
    <message id="T2204">
        <source>&amp;Start Date:</source>
        <extracomment>page 3, label</extracomment>
        <translation>&amp;Beginn:</translation>
    </message>
    <message id="T2205">
        <source>Finish &amp;Date:</source>
        <extracomment>page 3, label</extracomment>
        <translation>&amp;Ende:</translation>
    </message>
    <message id="T2206">
        <source>&amp;Is Milestone</source>
        <extracomment>page 3, check box TaskIsMilestoneCheck</extracomment>
        <translation>&amp;Meilenstein</translation>
    </message>
    <message id="T2207">
        <source>&amp;Priority:</source>
        <extracomment>page 3, label</extracomment>
        <translation>&amp;Priorität:</translation>
    </message>
    <message id="T2208">
        <source>C&amp;ompletion Type:</source>
        <extracomment>page 3, label</extracomment>
        <translation>Ab&amp;schlussart:</translation>
    </message>
    <message id="T2209">
        <source>&amp;Must be confirmed by Manager</source>
        <extracomment>page 3, check box TaskConfirmByManagerCheck</extracomment>
        <translation>Muss &amp;vom Manager bestätigt werden</translation>
    </message>
    <message id="T2210">
        <source>D&amp;escription:</source>
        <extracomment>page 3, label</extracomment>
        <translation>Bes&amp;chreibung:</translation>
    </message>
    <message id="T2211">
        <source>C&amp;ategory:</source>
        <extracomment>page 3, label</extracomment>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message id="T2301">
        <source>Enter the details of the new event. To continue, click Next.</source>
        <extracomment>page 4, instruction (Label9)</extracomment>
        <translation>Geben Sie die Angaben zum neuen Termin ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2302">
        <source>&amp;Title:</source>
        <extracomment>page 4, label</extracomment>
        <translation>T&amp;itel:</translation>
    </message>
    <message id="T2303">
        <source>L&amp;ocation:</source>
        <extracomment>page 4, label</extracomment>
        <translation>&amp;Ort:</translation>
    </message>
    <message id="T2304">
        <source>&amp;Start Date:</source>
        <extracomment>page 4, label</extracomment>
        <translation>&amp;Beginn:</translation>
    </message>
    <message id="T2305">
        <source>&amp;End Date:</source>
        <extracomment>page 4, label</extracomment>
        <translation>&amp;Ende:</translation>
    </message>
    <message id="T2306">
        <source>Pro&amp;ject :</source>
        <extracomment>page 4, label</extracomment>
        <translation>Pro&amp;jekt:</translation>
    </message>
    <message id="T2307">
        <source>Or&amp;ganizer:</source>
        <extracomment>page 4, label</extracomment>
        <translation>Or&amp;ganisator:</translation>
    </message>
    <message id="T2308">
        <source>&amp;Priority:</source>
        <extracomment>page 4, label</extracomment>
        <translation>&amp;Priorität:</translation>
    </message>
    <message id="T2309">
        <source>T&amp;ype:</source>
        <extracomment>page 4, label</extracomment>
        <translation>&amp;Typ:</translation>
    </message>
    <message id="T2310">
        <source>&amp;Description:</source>
        <extracomment>page 4, label</extracomment>
        <translation>Be&amp;schreibung:</translation>
    </message>
    <message id="T2312">
        <source>Do not remind</source>
        <extracomment>page 4, EventReminderCombo entry (no reminder)</extracomment>
        <translation>Nicht erinnern</translation>
    </message>
    <message id="T2313">
        <source>1 hour before the event</source>
        <extracomment>page 4, EventReminderCombo entry (60 minutes)</extracomment>
        <translation>1 Stunde vor dem Termin</translation>
    </message>
    <message id="T2314">
        <source>4 hour before the event</source>
        <extracomment>page 4, EventReminderCombo entry (240 minutes)</extracomment>
        <translation>4 Stunden vor dem Termin</translation>
    </message>
    <message id="T2315">
        <source>1 day before the event</source>
        <extracomment>page 4, EventReminderCombo entry (1 day)</extracomment>
        <translation>1 Tag vor dem Termin</translation>
    </message>
    <message id="T2316">
        <source>2 days before the event</source>
        <extracomment>page 4, EventReminderCombo entry (2 days)</extracomment>
        <translation>2 Tage vor dem Termin</translation>
    </message>
    <message id="T2317">
        <source>3 days before the event</source>
        <extracomment>page 4, EventReminderCombo entry (3 days)</extracomment>
        <translation>3 Tage vor dem Termin</translation>
    </message>
    <message id="T2318">
        <source>1 week before the event</source>
        <extracomment>page 4, EventReminderCombo entry (1 week)</extracomment>
        <translation>1 Woche vor dem Termin</translation>
    </message>
    <message id="T2319">
        <source>2 week before the event</source>
        <extracomment>page 4, EventReminderCombo entry (2 weeks)</extracomment>
        <translation>2 Wochen vor dem Termin</translation>
    </message>
    <message id="T2401">
        <source>Enter the details of the new to-do. To continue, click Next.</source>
        <extracomment>page 5, instruction (Label10)</extracomment>
        <translation>Geben Sie die Angaben zum neuen To-do ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2402">
        <source>&amp;Title:</source>
        <extracomment>page 5, label</extracomment>
        <translation>&amp;Titel:</translation>
    </message>
    <message id="T2403">
        <source>P&amp;roject :</source>
        <extracomment>page 5, label</extracomment>
        <translation>P&amp;rojekt:</translation>
    </message>
    <message id="T2404">
        <source>&amp;Manager:</source>
        <extracomment>page 5, label</extracomment>
        <translation>&amp;Manager:</translation>
    </message>
    <message id="T2406">
        <source>&amp;Start Date:</source>
        <extracomment>page 5, label of the start date (beside the check box StartDateEnable)</extracomment>
        <translation>&amp;Beginn:</translation>
    </message>
    <message id="T2407">
        <source>Finish &amp;Date:</source>
        <extracomment>page 5, label of the finish date (beside the check box FinishDateEnable)</extracomment>
        <translation>&amp;Ende:</translation>
    </message>
    <message id="T2408">
        <source>&amp;Priority:</source>
        <extracomment>page 5, label</extracomment>
        <translation>&amp;Priorität:</translation>
    </message>
    <message id="T2409">
        <source>M&amp;ust be confirmed by Manager</source>
        <extracomment>page 5, check box ToDoManagerConfirmCheck</extracomment>
        <translation>Muss &amp;vom Manager bestätigt werden</translation>
    </message>
    <message id="T2410">
        <source>C&amp;ompletion Type:</source>
        <extracomment>page 5, label</extracomment>
        <translation>Ab&amp;schlussart:</translation>
    </message>
    <message id="T2411">
        <source>D&amp;escription:</source>
        <extracomment>page 5, label</extracomment>
        <translation>Bes&amp;chreibung:</translation>
    </message>
    <message id="T2412">
        <source>&amp;Must be confirmed</source>
        <extracomment>page 18, check box MustConfirmedCheck</extracomment>
        <translation>&amp;Muss bestätigt werden</translation>
    </message>
    <message id="T2501">
        <source>Choose Folder or File</source>
        <extracomment>page 6, heading (Label1(2))</extracomment>
        <translation>Ordner oder Datei wählen</translation>
    </message>
    <message id="T2502">
        <source>Select the library folder to publish the files into, or a file to replace. To continue, click Next.</source>
        <extracomment>page 6, instruction (lblStep(3))</extracomment>
        <translation>Wählen Sie den Bibliotheksordner, in dem die Dateien veröffentlicht werden, oder eine Datei, die ersetzt werden soll. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2503">
        <source>Please select the folder to publish the files into.</source>
        <extracomment>message: page 6, Next without a selected folder</extracomment>
        <translation>Bitte wählen Sie den Ordner, in dem die Dateien veröffentlicht werden sollen.</translation>
    </message>
    <message id="T2504">
        <source>You cannot publish into the selected folder. Please select a folder you may write to.</source>
        <extracomment>message: page 6, Next on a folder the user may not write to</extracomment>
        <translation>In den gewählten Ordner können Sie nicht veröffentlichen. Bitte wählen Sie einen Ordner, für den Sie Schreibrechte haben.</translation>
    </message>
    <message id="T2505">
        <source>File Library</source>
        <extracomment>pages 6 and 7, root node of the library trees</extracomment>
        <translation>Dateibibliothek</translation>
    </message>
    <message id="T2601">
        <source>Choose File</source>
        <extracomment>page 7, heading (Label1(3))</extracomment>
        <translation>Datei wählen</translation>
    </message>
    <message id="T2602">
        <source>Select the file you want to download. To continue, click Next.</source>
        <extracomment>page 7, instruction (lblStep(2))</extracomment>
        <translation>Wählen Sie die Datei, die Sie herunterladen möchten. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2603">
        <source>Please select the file to download.</source>
        <extracomment>message: page 7, Next without a selected file</extracomment>
        <translation>Bitte wählen Sie die Datei, die heruntergeladen werden soll.</translation>
    </message>
    <message id="T2604">
        <source>The selected entry is a folder. Please select a file.</source>
        <extracomment>message: page 7, Next on a folder instead of a file</extracomment>
        <translation>Der gewählte Eintrag ist ein Ordner. Bitte wählen Sie eine Datei.</translation>
    </message>
    <message id="T2605">
        <source>The file could not be saved. Please choose another name or folder.</source>
        <extracomment>message after a failed save of a downloaded file; shown after the system's error text and ": "</extracomment>
        <translation>Die Datei konnte nicht gespeichert werden. Bitte wählen Sie einen anderen Namen oder Ordner.</translation>
    </message>
    <message id="T2609">
        <source>Import a Microsoft Project plan into an Orvello project</source>
        <extracomment>page 10, heading (lblImportProjectList) in the job IMPORTPROJECT</extracomment>
        <translation>Einen Microsoft Project-Plan in ein Orvello-Projekt importieren</translation>
    </message>
    <message id="T2610">
        <source>Open an Orvello project in Microsoft Project</source>
        <extracomment>page 10, heading (lblImportProjectList) in the job EXPORTPROJECT</extracomment>
        <translation>Ein Orvello-Projekt in Microsoft Project öffnen</translation>
    </message>
    <message id="T2611">
        <source>&amp;Projects:</source>
        <extracomment>page 10, label above the project list (lblProjectsList)</extracomment>
        <translation>&amp;Projekte:</translation>
    </message>
    <message id="T2612">
        <source>Project &amp;details:</source>
        <extracomment>page 10, label above the project details (lblProjectDescription)</extracomment>
        <translation>P&amp;rojektdetails:</translation>
    </message>
    <message id="T2613">
        <source>MS Project XML file:</source>
        <extracomment>page 11, label of the plan file row (lblSelectXMLFile)</extracomment>
        <translation>MS Project-XML-Datei:</translation>
    </message>
    <message id="T2614">
        <source>To continue, click Next.</source>
        <extracomment>pages 10, 11, 12 and 16, hint</extracomment>
        <translation>Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message id="T2615">
        <source>Resource Assignments</source>
        <extracomment>page 12, heading (lblAssignments)</extracomment>
        <translation>Ressourcenzuordnung</translation>
    </message>
    <message id="T2616">
        <source>Check which Orvello user stands for each resource of the plan. Double-click a user to choose another one.</source>
        <extracomment>page 12, instruction (lblAssignmentsDescription)</extracomment>
        <translation>Prüfen Sie, welcher Orvello-Benutzer für jede Ressource des Plans steht. Doppelklicken Sie auf einen Benutzer, um einen anderen zu wählen.</translation>
    </message>
    <message id="T2617">
        <source>Created</source>
        <extracomment>page 10, project details line; followed by ": " and the date</extracomment>
        <translation>Erstellt</translation>
    </message>
    <message id="T2618">
        <source>Created by</source>
        <extracomment>page 10, project details line; followed by ": " and the creator</extracomment>
        <translation>Erstellt von</translation>
    </message>
    <message id="T2619">
        <source>Start date</source>
        <extracomment>page 10, project details line; followed by ": " and the date</extracomment>
        <translation>Beginn</translation>
    </message>
    <message id="T2620">
        <source>Finish date</source>
        <extracomment>page 10, project details line; followed by ": " and the date</extracomment>
        <translation>Ende</translation>
    </message>
    <message id="T2621">
        <source>Manager</source>
        <extracomment>page 10, project details line; followed by ": " and the name</extracomment>
        <translation>Manager</translation>
    </message>
    <message id="T2622">
        <source>Description</source>
        <extracomment>page 10, project details line; followed by ": " and the text</extracomment>
        <translation>Beschreibung</translation>
    </message>
    <message id="T2623">
        <source>There are no projects to choose from.</source>
        <extracomment>message: page 10, Next with an empty project list</extracomment>
        <translation>Es sind keine Projekte vorhanden, aus denen Sie wählen können.</translation>
    </message>
    <message id="T2624">
        <source>Please select a project.</source>
        <extracomment>message: page 10, Next without a selected project</extracomment>
        <translation>Bitte wählen Sie ein Projekt.</translation>
    </message>
    <message id="T2625">
        <source>Please choose the MS Project XML file to import.</source>
        <extracomment>message: page 11, Next without a plan file</extracomment>
        <translation>Bitte wählen Sie die MS Project-XML-Datei, die importiert werden soll.</translation>
    </message>
    <message id="T2626">
        <source>The file could not be read as an MS Project XML document.</source>
        <extracomment>message: the plan file could not be read</extracomment>
        <translation>Die Datei konnte nicht als MS Project-XML-Dokument gelesen werden.</translation>
    </message>
    <message id="T2627">
        <source>(Not assigned)</source>
        <extracomment>page 12, user column and user choice entry: no user assigned</extracomment>
        <translation>(Nicht zugeordnet)</translation>
    </message>
    <message id="T2628">
        <source>Resource</source>
        <extracomment>page 12, column header: resource of the plan</extracomment>
        <translation>Ressource</translation>
    </message>
    <message id="T2629">
        <source>Orvello User</source>
        <extracomment>page 12, column header: Orvello user</extracomment>
        <translation>Orvello-Benutzer</translation>
    </message>
    <message id="T2630">
        <source>Select User</source>
        <extracomment>user choice dialog caption (DlgOrvUsers)</extracomment>
        <translation>Benutzer wählen</translation>
    </message>
    <message id="T2633">
        <source>Choose the project that receives the plan</source>
        <extracomment>page 11, heading (lblProjectOption)</extracomment>
        <translation>Projekt für den Plan wählen</translation>
    </message>
    <message id="T2634">
        <source>&amp;Import the plan into:</source>
        <extracomment>page 11, label of SelectProjectCombo</extracomment>
        <translation>&amp;Plan importieren in:</translation>
    </message>
    <message id="T2639">
        <source>Please select one of the following projects that are active in the Orv that you wish to retrieve into MS Project</source>
        <extracomment>page 10, instruction (Label69) in the job EXPORTPROJECT</extracomment>
        <translation>Bitte wählen Sie eines der folgenden aktiven Orv-Projekte, das Sie in MS Project abrufen möchten</translation>
    </message>
    <message id="T2640">
        <source>Please select one of the following projects that are active in the Orv into which you wish to import the MS Project plan</source>
        <extracomment>page 10, instruction (Label69) in the job IMPORTPROJECT</extracomment>
        <translation>Bitte wählen Sie eines der folgenden aktiven Orv-Projekte, in das Sie den MS Project-Plan importieren möchten</translation>
    </message>
    <message id="T2641">
        <source>The project stands in MS Project synchronization mode</source>
        <extracomment>pages 10 and 11, mark of a project in MS Project synchronization mode; also a line of the project details</extracomment>
        <translation>Das Projekt befindet sich im MS Project-Synchronisationsmodus</translation>
    </message>
    <message id="T2644">
        <source>&amp;Switch to synchronization mode</source>
        <extracomment>page 11, check box CheckUseMsProjectSync</extracomment>
        <translation>&amp;In den Synchronisationsmodus wechseln</translation>
    </message>
    <message id="T2645">
        <source>(Create a new project)</source>
        <extracomment>page 11, first entry of SelectProjectCombo: create a new project</extracomment>
        <translation>(Neues Projekt erstellen)</translation>
    </message>
    <message id="T2646">
        <source>The plan will be imported into the selected existing project, whose tasks and assignments will be updated from it. When "Switch to synchronization mode" is checked, the project will afterwards be kept in step with MS Project.
Do you want to continue?</source>
        <extracomment>question (OK/Cancel): page 11, Next with an existing project chosen</extracomment>
        <translation>Der Plan wird in das gewählte bestehende Projekt importiert; dessen Aufgaben und Zuordnungen werden daraus aktualisiert. Ist "In den Synchronisationsmodus wechseln" markiert, wird das Projekt danach mit MS Project abgeglichen.
Möchten Sie fortfahren?</translation>
    </message>
    <message id="T2701">
        <source>Enter the details of the new project. To continue, click Next.</source>
        <extracomment>page 8, instruction (Label49) in the job CREATEPROJECT</extracomment>
        <translation>Geben Sie die Angaben zum neuen Projekt ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2702">
        <source>&amp;Title:</source>
        <extracomment>page 8, label</extracomment>
        <translation>T&amp;itel:</translation>
    </message>
    <message id="T2703">
        <source>T&amp;ype:</source>
        <extracomment>page 8, label; also the type label of the client dialog</extracomment>
        <translation>&amp;Typ:</translation>
    </message>
    <message id="T2704">
        <source>C&amp;lient:</source>
        <extracomment>pages 2, 4, 5 and 8, client label</extracomment>
        <translation>&amp;Kunde:</translation>
    </message>
    <message id="T2705">
        <source>Start &amp;Date:</source>
        <extracomment>page 8, label</extracomment>
        <translation>&amp;Beginn:</translation>
    </message>
    <message id="T2706">
        <source>F&amp;inish Date:</source>
        <extracomment>page 8, label</extracomment>
        <translation>&amp;Ende:</translation>
    </message>
    <message id="T2707">
        <source>C&amp;alendar:</source>
        <extracomment>page 8, label</extracomment>
        <translation>Ka&amp;lender:</translation>
    </message>
    <message id="T2708">
        <source>&amp;Manager:</source>
        <extracomment>page 8, label</extracomment>
        <translation>&amp;Manager:</translation>
    </message>
    <message id="T2709">
        <source>E&amp;xecuteve Manager:</source>
        <extracomment>page 8, label</extracomment>
        <translation>Leite&amp;nder Manager:</translation>
    </message>
    <message id="T2710">
        <source>&amp;Status:</source>
        <extracomment>page 8, label</extracomment>
        <translation>&amp;Status:</translation>
    </message>
    <message id="T2711">
        <source>Pro&amp;ject Category:</source>
        <extracomment>page 8, label</extracomment>
        <translation>Pro&amp;jektkategorie:</translation>
    </message>
    <message id="T2712">
        <source>The plan will be imported into a new project. Enter the details of the new project. To continue, click Next.</source>
        <extracomment>page 8, instruction (Label49) in the job IMPORTPROJECT</extracomment>
        <translation>Der Plan wird in ein neues Projekt importiert. Geben Sie die Angaben zum neuen Projekt ein. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2751">
        <source>Describe the new project. To continue, click Next.</source>
        <extracomment>page 9, instruction (Label59)</extracomment>
        <translation>Beschreiben Sie das neue Projekt. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T2752">
        <source>D&amp;escription:</source>
        <extracomment>page 9, label</extracomment>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message id="T2753">
        <source>&amp;Goals:</source>
        <extracomment>page 9, label</extracomment>
        <translation>Z&amp;iele:</translation>
    </message>
    <message id="T2754">
        <source>&amp;Scope:</source>
        <extracomment>page 9, label</extracomment>
        <translation>&amp;Umfang:</translation>
    </message>
    <message id="T2755">
        <source>&amp;Deliverables:</source>
        <extracomment>page 9, label</extracomment>
        <translation>&amp;Liefergegenstände:</translation>
    </message>
    <message id="T2756">
        <source>C&amp;urrency:</source>
        <extracomment>page 8, label</extracomment>
        <translation>Währ&amp;ung:</translation>
    </message>
    <message id="T2757">
        <source>T&amp;emplate:</source>
        <extracomment>page 8, label (lblTemplate)</extracomment>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message id="T2758">
        <source>P&amp;riority:</source>
        <extracomment>page 8, label (lblPriority)</extracomment>
        <translation>P&amp;riorität:</translation>
    </message>
    <message id="T2759">
        <source>P&amp;ortfolio:</source>
        <extracomment>page 8, label (lblPortfolio)</extracomment>
        <translation>P&amp;ortfolio:</translation>
    </message>
    <message id="T2760">
        <source>&amp;Phase:</source>
        <extracomment>page 8, label (lblPhase)</extracomment>
        <translation>&amp;Phase:</translation>
    </message>
    <message id="T2901">
        <source>Choose the calendar entries to export to Outlook.</source>
        <extracomment>page 13, instruction (Label72)</extracomment>
        <translation>Wählen Sie die Kalendereinträge, die nach Outlook exportiert werden.</translation>
    </message>
    <message id="T2902">
        <source>Please select synchronization period that includes all exported calendar entries.</source>
        <extracomment>page 13, label</extracomment>
        <translation>Bitte wählen Sie den Synchronisationszeitraum, der alle exportierten Kalendereinträge umfasst.</translation>
    </message>
    <message id="T2903">
        <source>&amp;Period:</source>
        <extracomment>page 13, label</extracomment>
        <translation>Ze&amp;itraum:</translation>
    </message>
    <message id="T2904">
        <source>&amp;Start Date:</source>
        <extracomment>page 13, label</extracomment>
        <translation>&amp;Beginn:</translation>
    </message>
    <message id="T2905">
        <source>Finish &amp;Date:</source>
        <extracomment>page 13, label</extracomment>
        <translation>&amp;Ende:</translation>
    </message>
    <message id="T2906">
        <source>To continue, click Next.</source>
        <extracomment>page 13, hint</extracomment>
        <translation>Klicken Sie auf Weiter, um fortzufahren.</translation>
    </message>
    <message id="T2910">
        <source>Today</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Heute</translation>
    </message>
    <message id="T2911">
        <source>Yesterday</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Gestern</translation>
    </message>
    <message id="T2912">
        <source>This week</source>
        <extracomment>page 13, period entry (Sunday to Saturday)</extracomment>
        <translation>Diese Woche</translation>
    </message>
    <message id="T2913">
        <source>Last week</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Letzte Woche</translation>
    </message>
    <message id="T2914">
        <source>This month</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Dieser Monat</translation>
    </message>
    <message id="T2915">
        <source>Last month</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Letzter Monat</translation>
    </message>
    <message id="T2916">
        <source>This year</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Dieses Jahr</translation>
    </message>
    <message id="T2917">
        <source>Last year</source>
        <extracomment>page 13, period entry</extracomment>
        <translation>Letztes Jahr</translation>
    </message>
    <message id="T2918">
        <source>Custom period</source>
        <extracomment>page 13, period entry: the user sets the dates</extracomment>
        <translation>Benutzerdefinierter Zeitraum</translation>
    </message>
    <message id="T2919">
        <source>Synchronize &amp;Events</source>
        <extracomment>page 13, check box CheckSyncEvents</extracomment>
        <translation>&amp;Termine synchronisieren</translation>
    </message>
    <message id="T2920">
        <source>S&amp;ynchronize Tasks</source>
        <extracomment>page 13, check box CheckSyncTasks</extracomment>
        <translation>Aufgaben &amp;synchronisieren</translation>
    </message>
    <message id="T2921">
        <source>Synchronize &amp;ToDos</source>
        <extracomment>page 13, check box CheckSyncToDos</extracomment>
        <translation>To-&amp;dos synchronisieren</translation>
    </message>
    <message id="T3000">
        <source>Finished!</source>
        <extracomment>page 21 frame caption</extracomment>
        <translation>Fertig!</translation>
    </message>
    <message id="T3001">
        <source>The wizard has finished. </source>
        <extracomment>page 21, report (lblStep(5)); the job's result sentence follows directly</extracomment>
        <translation>Der Assistent ist fertig. </translation>
    </message>
    <message id="T3005">
        <source>Do you really want to close the wizard?</source>
        <extracomment>question (Yes/No): Cancel while nothing runs</extracomment>
        <translation>Möchten Sie den Assistenten wirklich schließen?</translation>
    </message>
    <message id="T3006">
        <source>The wizard is still working with the server. Do you want to cancel the running operation?</source>
        <extracomment>question (Yes/No): Cancel while the server works or a file is transferred</extracomment>
        <translation>Der Assistent arbeitet noch mit dem Server. Möchten Sie den laufenden Vorgang abbrechen?</translation>
    </message>
    <message id="T3007">
        <source>S&amp;elected :</source>
        <extracomment>pages 18 and 19, label of the selected list</extracomment>
        <translation>Ausgewäh&amp;lt:</translation>
    </message>
    <message id="T3008">
        <source>Available :</source>
        <extracomment>pages 18 and 19, label of the available list</extracomment>
        <translation>Verfügbar:</translation>
    </message>
    <message id="T3009">
        <source>&amp;Group:</source>
        <extracomment>pages 18 and 19, label</extracomment>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message id="T3010">
        <source>&amp;Search:</source>
        <extracomment>pages 18 and 19, label</extracomment>
        <translation>&amp;Suchen:</translation>
    </message>
    <message id="T3011">
        <source>&amp;Users:</source>
        <extracomment>pages 18 and 19, label</extracomment>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message id="T3012">
        <source>F&amp;ind</source>
        <extracomment>pages 18 and 19, button</extracomment>
        <translation>S&amp;uchen</translation>
    </message>
    <message id="T3013">
        <source>&amp;Add</source>
        <extracomment>page 20, button CommandAddFile</extracomment>
        <translation>H&amp;inzufügen</translation>
    </message>
    <message id="T3014">
        <source>&amp;Remove</source>
        <extracomment>page 20, button CommandRemoveFile</extracomment>
        <translation>E&amp;ntfernen</translation>
    </message>
    <message id="T3015">
        <source>R&amp;ole:</source>
        <extracomment>page 19, label</extracomment>
        <translation>&amp;Rolle:</translation>
    </message>
    <message id="T3101">
        <source>(No template)</source>
        <extracomment>page 14, first entry of ListTemplateCombo: no template</extracomment>
        <translation>(Keine Vorlage)</translation>
    </message>
    <message id="T3102">
        <source>&amp;Title:</source>
        <extracomment>page 14, label</extracomment>
        <translation>T&amp;itel:</translation>
    </message>
    <message id="T3103">
        <source>T&amp;ype:</source>
        <extracomment>page 14, label</extracomment>
        <translation>&amp;Typ:</translation>
    </message>
    <message id="T3104">
        <source>&amp;Status:</source>
        <extracomment>page 14, label</extracomment>
        <translation>&amp;Status:</translation>
    </message>
    <message id="T3105">
        <source>&amp;Define List Fields:</source>
        <extracomment>page 14, label of ListTemplateCombo</extracomment>
        <translation>&amp;Listenfelder festlegen:</translation>
    </message>
    <message id="T3106">
        <source>D&amp;escription:</source>
        <extracomment>page 14, label</extracomment>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message id="T3107">
        <source>Describe the new list and choose the folder it goes into. To continue, click Next.</source>
        <extracomment>pages 14 and 17, instruction (Label52)</extracomment>
        <translation>Beschreiben Sie die neue Liste und wählen Sie den Ordner, in dem sie angelegt wird. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T3108">
        <source>Please select the parent folder of the new list.</source>
        <extracomment>message: page 14, Next without a selected folder</extracomment>
        <translation>Bitte wählen Sie den übergeordneten Ordner der neuen Liste.</translation>
    </message>
    <message id="T3109">
        <source>You cannot create a list in the selected folder. Please select a folder you may write to.</source>
        <extracomment>message: page 14, Next on a folder the user may not write to</extracomment>
        <translation>Im gewählten Ordner können Sie keine Liste anlegen. Bitte wählen Sie einen Ordner, für den Sie Schreibrechte haben.</translation>
    </message>
    <message id="T3110">
        <source>C&amp;ategory:</source>
        <extracomment>page 14, label</extracomment>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message id="T3111">
        <source>&amp;Parent Folder:</source>
        <extracomment>page 14, label</extracomment>
        <translation>Übergeordneter &amp;Ordner:</translation>
    </message>
    <message id="T3112">
        <source>Define the fields of the new list.</source>
        <extracomment>page 15, instruction (Label91)</extracomment>
        <translation>Legen Sie die Felder der neuen Liste fest.</translation>
    </message>
    <message id="T3113">
        <source>&amp;Selected Fields:</source>
        <extracomment>page 15, label</extracomment>
        <translation>A&amp;usgewählte Felder:</translation>
    </message>
    <message id="T3114">
        <source>Fields Available in Dictionary:</source>
        <extracomment>page 15, two labels share this id</extracomment>
        <translation>Im Wörterbuch verfügbare Felder:</translation>
    </message>
    <message id="T3115">
        <source>Ne&amp;w Field...</source>
        <extracomment>page 15, button ListFieldNewCommand</extracomment>
        <translation>&amp;Neues Feld...</translation>
    </message>
    <message id="T3201">
        <source>Public Lists</source>
        <extracomment>list folder tree: built-in folder named "@@1"</extracomment>
        <translation>Öffentliche Listen</translation>
    </message>
    <message id="T3202">
        <source>Personal Lists</source>
        <extracomment>list folder tree: built-in folder named "@@2"</extracomment>
        <translation>Persönliche Listen</translation>
    </message>
    <message id="T3203">
        <source>Project Lists</source>
        <extracomment>list folder tree: built-in folder named "@@3"</extracomment>
        <translation>Projektlisten</translation>
    </message>
    <message id="T3204">
        <source>Shared Lists</source>
        <extracomment>list folder tree: built-in folder named "@@4"</extracomment>
        <translation>Freigegebene Listen</translation>
    </message>
    <message id="T3205">
        <source>Team Lists</source>
        <extracomment>list folder tree: built-in folder named "@@5"</extracomment>
        <translation>Teamlisten</translation>
    </message>
    <message id="T3206">
        <source>Archived Lists</source>
        <extracomment>list folder tree: built-in folder named "@@6"</extracomment>
        <translation>Archivierte Listen</translation>
    </message>
    <message id="T3207">
        <source>List Templates</source>
        <extracomment>list folder tree: built-in folder named "@@7"</extracomment>
        <translation>Listenvorlagen</translation>
    </message>
    <message id="T3208">
        <source>Imported Lists</source>
        <extracomment>list folder tree: built-in folder named "@@8"</extracomment>
        <translation>Importierte Listen</translation>
    </message>
    <message id="T3209">
        <source>Other Lists</source>
        <extracomment>list folder tree: built-in folder named "@@9"</extracomment>
        <translation>Weitere Listen</translation>
    </message>
    <message id="T3301">
        <source>Import a list from an Excel workbook</source>
        <extracomment>page 16, heading (lblListOption)</extracomment>
        <translation>Liste aus einer Excel-Arbeitsmappe importieren</translation>
    </message>
    <message id="T3302">
        <source>How would you like to import a list?</source>
        <extracomment>page 16, label</extracomment>
        <translation>Wie möchten Sie die Liste importieren?</translation>
    </message>
    <message id="T3303">
        <source>&amp;Excel workbook:</source>
        <extracomment>page 16, label of the workbook path</extracomment>
        <translation>&amp;Excel-Arbeitsmappe:</translation>
    </message>
    <message id="T3304">
        <source>Create New &amp;List</source>
        <extracomment>page 16, option OptionListNew</extracomment>
        <translation>&amp;Neue Liste erstellen</translation>
    </message>
    <message id="T3305">
        <source>&amp;Import into an Existing List</source>
        <extracomment>page 16, option OptionListExisting</extracomment>
        <translation>&amp;In eine bestehende Liste importieren</translation>
    </message>
    <message id="T3306">
        <source>Please choose the Excel workbook to import.</source>
        <extracomment>message: page 16, Next without a workbook</extracomment>
        <translation>Bitte wählen Sie die Excel-Arbeitsmappe, die importiert werden soll.</translation>
    </message>
    <message id="T3307">
        <source>&amp;Available sheets:</source>
        <extracomment>page 17, label</extracomment>
        <translation>Verfügbare &amp;Tabellenblätter:</translation>
    </message>
    <message id="T3308">
        <source>A&amp;vailable fields:</source>
        <extracomment>page 17, label</extracomment>
        <translation>&amp;Verfügbare Felder:</translation>
    </message>
    <message id="T3309">
        <source>&amp;Ignore error rows</source>
        <extracomment>page 17, check box IgnoreErrorImportRowCheck</extracomment>
        <translation>Fehlerhafte Zeilen &amp;ignorieren</translation>
    </message>
    <message id="T3310">
        <source>Select one of the sheets for import and mark the necessary fields. To continue, click Next.</source>
        <extracomment>page 17, hint</extracomment>
        <translation>Wählen Sie eines der Tabellenblätter für den Import und markieren Sie die benötigten Felder. Klicken Sie dann auf Weiter.</translation>
    </message>
    <message id="T5000">
        <source>Goto Orv Portal</source>
        <extracomment>page 21, link LabelGotoWeb (every job but DOWNLOAD)</extracomment>
        <translation>Zum Orv-Portal</translation>
    </message>
    <message id="T5001">
        <source>Please enter your login and your password.</source>
        <extracomment>message: Next on page 1 with login or password blank</extracomment>
        <translation>Bitte geben Sie Ihren Anmeldenamen und Ihr Kennwort ein.</translation>
    </message>
    <message id="T5002">
        <source>Cannot set up a secure connection (SSL) to the server </source>
        <extracomment>message: the connection could not be set up, secure connection checked; the server address and text 5003 follow directly</extracomment>
        <translation>Es kann keine sichere Verbindung (SSL) zum Server </translation>
    </message>
    <message id="T5003">
        <source>. Please check the server address in your login and your connection settings.</source>
        <extracomment>message: end of texts 5002 and 5004, after the server address</extracomment>
        <translation> aufgebaut werden. Bitte prüfen Sie die Serveradresse in Ihrem Anmeldenamen und Ihre Verbindungseinstellungen.</translation>
    </message>
    <message id="T5004">
        <source>Cannot set up a connection to the server </source>
        <extracomment>message: the connection could not be set up; the server address and text 5003 follow directly</extracomment>
        <translation>Es kann keine Verbindung zum Server </translation>
    </message>
    <message id="T5005">
        <source>The server could not carry out the request, or its answer could not be read.</source>
        <extracomment>message: a server call failed without a transport error text (SOAP fault, unreadable answer)</extracomment>
        <translation>Der Server konnte die Anfrage nicht ausführen, oder seine Antwort war nicht lesbar.</translation>
    </message>
    <message id="T5006">
        <source>Please enter a title.</source>
        <extracomment>message: Next with a blank title</extracomment>
        <translation>Bitte geben Sie einen Titel ein.</translation>
    </message>
    <message id="T5007">
        <source>The end of the event must be later than its start.</source>
        <extracomment>message: page 4, the event does not end after its start</extracomment>
        <translation>Das Ende des Termins muss nach seinem Beginn liegen.</translation>
    </message>
    <message id="T5008">
        <source>The finish date must be later than the start date.</source>
        <extracomment>message: the finish is not later than the start (task, to-do, project)</extracomment>
        <translation>Das Ende muss nach dem Beginn liegen.</translation>
    </message>
    <message id="T5009">
        <source>The server reported an error: </source>
        <extracomment>message: the server answered with an error; the server's own text follows directly</extracomment>
        <translation>Der Server meldet einen Fehler: </translation>
    </message>
    <message id="T5010">
        <source>Select File</source>
        <extracomment>title of the file dialogs (add a file to publish, save a downloaded file)</extracomment>
        <translation>Datei auswählen</translation>
    </message>
    <message id="T5011">
        <source>The file transfer failed. Error code: </source>
        <extracomment>message: a file transfer failed; the error code follows directly</extracomment>
        <translation>Die Dateiübertragung ist fehlgeschlagen. Fehlercode: </translation>
    </message>
    <message id="T5012">
        <source>The server could not understand the request (HTTP 400 Bad Request).</source>
        <extracomment>message: file transfer, HTTP status 400</extracomment>
        <translation>Der Server konnte die Anfrage nicht verstehen (HTTP 400 Bad Request).</translation>
    </message>
    <message id="T5013">
        <source>The server page was not found (HTTP 404 Not Found).</source>
        <extracomment>message: file transfer, HTTP status 404</extracomment>
        <translation>Die Serverseite wurde nicht gefunden (HTTP 404 Not Found).</translation>
    </message>
    <message id="T5014">
        <source>The server does not allow this request (HTTP 405 Method Not Allowed).</source>
        <extracomment>message: file transfer, HTTP status 405</extracomment>
        <translation>Der Server lässt diese Anfrage nicht zu (HTTP 405 Method Not Allowed).</translation>
    </message>
    <message id="T5015">
        <source>The server timed out waiting for the request (HTTP 408 Request Timeout).</source>
        <extracomment>message: file transfer, HTTP status 408</extracomment>
        <translation>Der Server hat zu lange auf die Anfrage gewartet (HTTP 408 Request Timeout).</translation>
    </message>
    <message id="T5016">
        <source>The server had an internal error (HTTP 500 Internal Server Error).</source>
        <extracomment>message: file transfer, HTTP status 500</extracomment>
        <translation>Auf dem Server ist ein interner Fehler aufgetreten (HTTP 500 Internal Server Error).</translation>
    </message>
    <message id="T5017">
        <source>The server is not available at the moment (HTTP 503 Service Unavailable).</source>
        <extracomment>message: file transfer, HTTP status 503</extracomment>
        <translation>Der Server ist zurzeit nicht verfügbar (HTTP 503 Service Unavailable).</translation>
    </message>
    <message id="T5018">
        <source>The server could not be reached.</source>
        <extracomment>message: file transfer, status 601 of the transfer component: no connection</extracomment>
        <translation>Der Server ist nicht erreichbar.</translation>
    </message>
    <message id="T5019">
        <source>The connection to the server was lost during the transfer.</source>
        <extracomment>message: file transfer, status 602 of the transfer component: connection lost</extracomment>
        <translation>Die Verbindung zum Server ist während der Übertragung abgebrochen.</translation>
    </message>
    <message id="T5020">
        <source>The server answered with HTTP error </source>
        <extracomment>message: file transfer, other HTTP status; the status code follows directly</extracomment>
        <translation>Der Server hat mit dem HTTP-Fehler geantwortet: </translation>
    </message>
    <message id="T5021">
        <source>The file was not published because a file of the same name already exists.</source>
        <extracomment>message: a file was not published because its name is taken and the user cancelled</extracomment>
        <translation>Die Datei wurde nicht veröffentlicht, da bereits eine Datei mit demselben Namen existiert.</translation>
    </message>
    <message id="T5022">
        <source>File: </source>
        <extracomment>message: second line of a file transfer error; the file path follows directly</extracomment>
        <translation>Datei: </translation>
    </message>
    <message id="T5023">
        <source>' - cancelled</source>
        <extracomment>page 21, publishing log: after "  '" and the file path, for files not transferred (aborted)</extracomment>
        <translation>' - abgebrochen</translation>
    </message>
    <message id="T5024">
        <source>' - skipped</source>
        <extracomment>page 21, publishing log: after "  '" and the file path, for skipped files</extracomment>
        <translation>' - übersprungen</translation>
    </message>
    <message id="T5027">
        <source>The incident has been created.</source>
        <extracomment>page 21, result of CREATEINCIDENT; follows text 3001</extracomment>
        <translation>Der Vorfall wurde erstellt.</translation>
    </message>
    <message id="T5028">
        <source>The task has been created.</source>
        <extracomment>page 21, result of CREATETASK; follows text 3001</extracomment>
        <translation>Die Aufgabe wurde erstellt.</translation>
    </message>
    <message id="T5029">
        <source>The event has been created.</source>
        <extracomment>page 21, result of CREATEEVENT; follows text 3001</extracomment>
        <translation>Der Termin wurde erstellt.</translation>
    </message>
    <message id="T5030">
        <source>The to-do has been assigned.</source>
        <extracomment>page 21, result of CREATETODO; follows text 3001</extracomment>
        <translation>Das To-do wurde zugewiesen.</translation>
    </message>
    <message id="T5032">
        <source>Files: </source>
        <extracomment>page 21, file count line: text 5032, published, text 5033, total, text 5034 (or 5041)</extracomment>
        <translation>Dateien: </translation>
    </message>
    <message id="T5033">
        <source> of </source>
        <extracomment>page 21, file count line, between the two numbers</extracomment>
        <translation> von </translation>
    </message>
    <message id="T5034">
        <source> published.</source>
        <extracomment>page 21, file count line, end (publishing)</extracomment>
        <translation> veröffentlicht.</translation>
    </message>
    <message id="T5035">
        <source>The operation was cancelled.</source>
        <extracomment>message: the user cancelled the running server call</extracomment>
        <translation>Der Vorgang wurde abgebrochen.</translation>
    </message>
    <message id="T5036">
        <source>The server version </source>
        <extracomment>message: unknown server version; the version and text 5037 follow directly</extracomment>
        <translation>Die Serverversion </translation>
    </message>
    <message id="T5037">
        <source> is not supported by this wizard.</source>
        <extracomment>message: end of text 5036, after the version</extracomment>
        <translation> wird von diesem Assistenten nicht unterstützt.</translation>
    </message>
    <message id="T5038">
        <source>(None)</source>
        <extracomment>first entry of project, client, executive manager and template lists: none</extracomment>
        <translation>(Keine Angabe)</translation>
    </message>
    <message id="T5039">
        <source>The files have been published to the file library.</source>
        <extracomment>page 21, result of UPLOAD; follows text 3001</extracomment>
        <translation>Die Dateien wurden in der Dateibibliothek veröffentlicht.</translation>
    </message>
    <message id="T5040">
        <source>The file has been downloaded.</source>
        <extracomment>page 21, result of DOWNLOAD; follows text 3001</extracomment>
        <translation>Die Datei wurde heruntergeladen.</translation>
    </message>
    <message id="T5041">
        <source> downloaded.</source>
        <extracomment>page 21, file count line, end (download)</extracomment>
        <translation> heruntergeladen.</translation>
    </message>
    <message id="T5042">
        <source>This job needs a newer Orvello server: a server of version 3.0 only allows publishing and downloading files.</source>
        <extracomment>message: a version 3.0 server and a job other than publishing or downloading</extracomment>
        <translation>Für diesen Vorgang ist ein neuerer Orvello-Server nötig: Ein Server der Version 3.0 erlaubt nur das Veröffentlichen und Herunterladen von Dateien.</translation>
    </message>
    <message id="T5043">
        <source>Open the folder of the downloaded file</source>
        <extracomment>page 21, link LabelGotoWeb in the job DOWNLOAD</extracomment>
        <translation>Ordner der heruntergeladenen Datei öffnen</translation>
    </message>
    <message id="T5045">
        <source>Please select the project of the task.</source>
        <extracomment>message: page 3, no project selected</extracomment>
        <translation>Bitte wählen Sie das Projekt der Aufgabe.</translation>
    </message>
    <message id="T5046">
        <source>The project has been created.</source>
        <extracomment>page 21, result of CREATEPROJECT; follows text 3001</extracomment>
        <translation>Das Projekt wurde erstellt.</translation>
    </message>
    <message id="T5047">
        <source>Please select a manager or organizer.</source>
        <extracomment>message: no manager (or, for an event, no organizer) selected</extracomment>
        <translation>Bitte wählen Sie einen Manager bzw. Organisator.</translation>
    </message>
    <message id="T5048">
        <source>Please add at least one file to publish.</source>
        <extracomment>message: UPLOAD, Next on page 20 with an empty file list</extracomment>
        <translation>Bitte fügen Sie mindestens eine Datei zum Veröffentlichen hinzu.</translation>
    </message>
    <message id="T5050">
        <source>The MS Project plan has been imported.</source>
        <extracomment>page 21, result of IMPORTPROJECT</extracomment>
        <translation>Der MS Project-Plan wurde importiert.</translation>
    </message>
    <message id="T5051">
        <source>The project</source>
        <extracomment>page 21, result of EXPORTPROJECT, start; the project name in '' '' and text 5052 follow</extracomment>
        <translation>Das Projekt</translation>
    </message>
    <message id="T5052">
        <source>has been opened in Microsoft Project.</source>
        <extracomment>page 21, result of EXPORTPROJECT, end</extracomment>
        <translation>wurde in Microsoft Project geöffnet.</translation>
    </message>
    <message id="T5053">
        <source>The MS Project plan could not be imported: </source>
        <extracomment>page 21, IMPORTPROJECT failed; the error and text 5056 follow directly</extracomment>
        <translation>Der MS Project-Plan konnte nicht importiert werden: </translation>
    </message>
    <message id="T5054">
        <source>The project could not be opened in Microsoft Project: </source>
        <extracomment>page 21, EXPORTPROJECT failed; the error and text 5056 follow directly</extracomment>
        <translation>Das Projekt konnte nicht in Microsoft Project geöffnet werden: </translation>
    </message>
    <message id="T5055">
        <source>Microsoft Project could not be started. Please check that it is installed.</source>
        <extracomment>message: Microsoft Project cannot be started</extracomment>
        <translation>Microsoft Project konnte nicht gestartet werden. Bitte prüfen Sie, ob es installiert ist.</translation>
    </message>
    <message id="T5056">
        <source>
Please correct the problem and run the wizard again.</source>
        <extracomment>page 21, end of texts 5053 and 5054, after the error (starts with a line break)</extracomment>
        <translation>
Bitte beheben Sie das Problem und starten Sie den Assistenten erneut.</translation>
    </message>
    <message id="T5057">
        <source>Close &amp;Orv Kitbench</source>
        <extracomment>page 21, option CloseOption</extracomment>
        <translation>&amp;Orv Kitbench schließen</translation>
    </message>
    <message id="T5058">
        <source>Close Orv &amp;Kitbench and Goto Orv Portal</source>
        <extracomment>page 21, option CloseAndRunOption (every job but DOWNLOAD)</extracomment>
        <translation>Orv &amp;Kitbench schließen und zum Orv-Portal wechseln</translation>
    </message>
    <message id="T5059">
        <source>Close Orv &amp;Kitbench and open the downloaded file</source>
        <extracomment>page 21, option CloseAndRunOption in the job DOWNLOAD</extracomment>
        <translation>Orv &amp;Kitbench schließen und die heruntergeladene Datei öffnen</translation>
    </message>
    <message id="T5060">
        <source>Continue &amp;working with Orv Kitbench</source>
        <extracomment>page 21, option ContinueOption</extracomment>
        <translation>&amp;Mit Orv Kitbench weiterarbeiten</translation>
    </message>
    <message id="T5061">
        <source>The time zone of your Orvello profile differs from the time zone of this computer. In which time zone should the dates you enter be read?</source>
        <extracomment>question (Yes/No): the profile's time zone differs from the computer's; texts 5062 and 5063 follow on their own lines</extracomment>
        <translation>Die Zeitzone Ihres Orvello-Profils weicht von der Zeitzone dieses Computers ab. In welcher Zeitzone sollen die eingegebenen Zeiten gelten?</translation>
    </message>
    <message id="T5062">
        <source>Yes - the time zone of your profile</source>
        <extracomment>question 5061, the Yes answer; " (GMT ", the profile's offset and ")" follow</extracomment>
        <translation>Ja - die Zeitzone Ihres Profils</translation>
    </message>
    <message id="T5063">
        <source>No - the time zone of this computer</source>
        <extracomment>question 5061, the No answer; " (GMT ", the computer's offset and ")" follow</extracomment>
        <translation>Nein - die Zeitzone dieses Computers</translation>
    </message>
    <message id="T5064">
        <source>The calendar entries have been handed over to Outlook.</source>
        <extracomment>page 21, result of EXPORTCALENDAR; follows text 3001</extracomment>
        <translation>Die Kalendereinträge wurden an Outlook übergeben.</translation>
    </message>
    <message id="T5065">
        <source>This job needs a newer Orvello server: a server of version 3.5 does not support lists or the calendar export.</source>
        <extracomment>message: a version 3.5 server and a list job or the calendar export</extracomment>
        <translation>Für diesen Vorgang ist ein neuerer Orvello-Server nötig: Ein Server der Version 3.5 unterstützt weder Listen noch den Kalenderexport.</translation>
    </message>
    <message id="T5068">
        <source>The list has been created from the Excel sheet.</source>
        <extracomment>page 21, result of IMPORTLIST; follows text 3001</extracomment>
        <translation>Die Liste wurde aus dem Excel-Tabellenblatt erstellt.</translation>
    </message>
    <message id="T8001">
        <source>Edit Categories</source>
        <extracomment>category dialog caption</extracomment>
        <translation>Kategorien bearbeiten</translation>
    </message>
    <message id="T8002">
        <source>Edit Clients</source>
        <extracomment>client dialog caption</extracomment>
        <translation>Kunden bearbeiten</translation>
    </message>
    <message id="T8003">
        <source>Categories:</source>
        <extracomment>category dialog, label of the list (LabelList)</extracomment>
        <translation>Kategorien:</translation>
    </message>
    <message id="T8004">
        <source>Clients:</source>
        <extracomment>client dialog, label of the list (LabelList)</extracomment>
        <translation>Kunden:</translation>
    </message>
    <message id="T8005">
        <source>New category:</source>
        <extracomment>category dialog, label of the new entry box (LabelAdd)</extracomment>
        <translation>Neue Kategorie:</translation>
    </message>
    <message id="T8006">
        <source>New client:</source>
        <extracomment>client dialog, label of the new entry box (LabelAdd)</extracomment>
        <translation>Neuer Kunde:</translation>
    </message>
    <message id="T8007">
        <source>&amp;Delete</source>
        <extracomment>category and client dialog, button CommandDelete</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message id="T8008">
        <source>&amp;Add</source>
        <extracomment>category and client dialog, button CommandAdd</extracomment>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message id="T8009">
        <source>OK</source>
        <extracomment>dialogs, button OK</extracomment>
        <translation>OK</translation>
    </message>
    <message id="T8010">
        <source>Cancel</source>
        <extracomment>dialogs, button Cancel</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message id="T8013">
        <source>&amp;Edit</source>
        <extracomment>category and client dialog, button CommandEdit (rename the selected entry)</extracomment>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message id="T8015">
        <source>Name of the new library folder:</source>
        <extracomment>new folder dialog, label (CaptionLabel) for a library folder</extracomment>
        <translation>Name des neuen Bibliotheksordners:</translation>
    </message>
    <message id="T8016">
        <source>Name of the new list folder:</source>
        <extracomment>new folder dialog, label (CaptionLabel) for a list folder</extracomment>
        <translation>Name des neuen Listenordners:</translation>
    </message>
    <message id="T8018">
        <source>Contact</source>
        <extracomment>client dialog, ClientTypeCombo entry 0</extracomment>
        <translation>Kontakt</translation>
    </message>
    <message id="T8019">
        <source>Organization</source>
        <extracomment>client dialog, ClientTypeCombo entry 1</extracomment>
        <translation>Organisation</translation>
    </message>
    <message id="T8020">
        <source>A file of this name already exists on the server. Rename the file you publish, replace the existing file, or cancel.</source>
        <extracomment>rename dialog, label (LabelList)</extracomment>
        <translation>Auf dem Server existiert bereits eine Datei mit diesem Namen. Benennen Sie die zu veröffentlichende Datei um, ersetzen Sie die vorhandene Datei oder brechen Sie ab.</translation>
    </message>
    <message id="T8021">
        <source>Enter the new file name:</source>
        <extracomment>rename dialog, prompt for the new file name</extracomment>
        <translation>Geben Sie den neuen Dateinamen ein:</translation>
    </message>
    <message id="T8022">
        <source>&amp;Rename</source>
        <extracomment>rename dialog, button cmdRename</extracomment>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message id="T8023">
        <source>Re&amp;place</source>
        <extracomment>rename dialog, button cmdRewrite (replace the existing file)</extracomment>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message id="T9100">
        <source>The answer file cannot be read: </source>
        <extracomment>unattended run, answer file missing</extracomment>
        <translation>Die Antwortdatei kann nicht gelesen werden: </translation>
    </message>
    <message id="T9101">
        <source>The answer file names a control that does not exist: </source>
        <extracomment>unattended run</extracomment>
        <translation>Die Antwortdatei nennt ein Steuerelement, das es nicht gibt: </translation>
    </message>
    <message id="T9102">
        <source>The answer file gives a value the control does not take: </source>
        <extracomment>unattended run</extracomment>
        <translation>Die Antwortdatei nennt einen Wert, den das Steuerelement nicht annimmt: </translation>
    </message>
    <message id="T9103">
        <source>The answer file is not valid: </source>
        <extracomment>unattended run, syntax</extracomment>
        <translation>Die Antwortdatei ist ungültig: </translation>
    </message>
    <message id="T9104">
        <source>Next did not leave the page and no message explains why: </source>
        <extracomment>unattended run, stuck page</extracomment>
        <translation>Weiter hat die Seite nicht verlassen, und keine Meldung erklärt den Grund: </translation>
    </message>
    <message id="T9105">
        <source>The wizard was closed before the job was finished.</source>
        <extracomment>unattended run, closed without Finish</extracomment>
        <translation>Der Assistent wurde geschlossen, bevor der Auftrag beendet war.</translation>
    </message>
    <message id="T9160">
        <source>The server did not answer within the time allowed, so the run cancelled the call. Seconds allowed: </source>
        <extracomment>unattended run, a call or transfer without an answer for the answer file's Timeout</extracomment>
        <translation>Der Server hat nicht in der erlaubten Zeit geantwortet, darum hat der Lauf den Aufruf abgebrochen. Erlaubte Sekunden: </translation>
    </message>
    <message id="T9140">
        <source>The answer file does not answer the dialog: </source>
        <extracomment>unattended run, a dialog without an answer (its name follows)</extracomment>
        <translation>Die Antwortdatei beantwortet den Dialog nicht: </translation>
    </message>
    <message id="T9200">
        <source>&amp;Reminder:</source>
        <extracomment>page 4, label of EventReminderCombo</extracomment>
        <translation>E&amp;rinnerung:</translation>
    </message>
    <message id="T9201">
        <source>C&amp;ategory:</source>
        <extracomment>page 4, label of EventCategoryListView</extracomment>
        <translation>Kategorie:</translation>
    </message>
    <message id="T9202">
        <source>&amp;Add</source>
        <extracomment>pages 18 and 19, add buttons</extracomment>
        <translation>H&amp;inzufügen</translation>
    </message>
    <message id="T9203">
        <source>&amp;Remove</source>
        <extracomment>pages 18 and 19, remove buttons</extracomment>
        <translation>&amp;Entfernen</translation>
    </message>
    <message id="T9204">
        <source>A&amp;dd Group</source>
        <extracomment>pages 18 and 19, add group buttons</extracomment>
        <translation>G&amp;ruppe hinzufügen</translation>
    </message>
    <message id="T9205">
        <source>Edit categories</source>
        <extracomment>tool tip of the category buttons</extracomment>
        <translation>Kategorien bearbeiten</translation>
    </message>
    <message id="T9206">
        <source>Edit clients</source>
        <extracomment>tool tip of the client button</extracomment>
        <translation>Kunden bearbeiten</translation>
    </message>
    <message id="T9300">
        <source>New Folder</source>
        <extracomment>tool tip of the new-folder buttons (pages 6 and 14)</extracomment>
        <translation>Neuer Ordner</translation>
    </message>
    <message id="T9301">
        <source>B&amp;rowse...</source>
        <extracomment>browse buttons of pages 11 and 16</extracomment>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message id="T9401">
        <source>The calendar entries could not be saved for Outlook.</source>
        <extracomment>message: the calendar export could not write its exchange file; the path and the reason follow</extracomment>
        <translation>Die Kalendereinträge konnten nicht für Outlook gespeichert werden.</translation>
    </message>
    <message id="T9500">
        <source>The server refused the request because it is too large.</source>
        <extracomment>message: the server answered a call with 413 (request too large), e.g. a large plan import</extracomment>
        <translation>Der Server hat die Anfrage abgelehnt, weil sie zu groß ist.</translation>
    </message>
    <message id="T9700">
        <source>The server refused the connection. Please check the server address and port.</source>
        <extracomment>message: a server call failed, the server refused the connection</extracomment>
        <translation>Der Server hat die Verbindung abgelehnt. Bitte prüfen Sie Serveradresse und Port.</translation>
    </message>
    <message id="T9701">
        <source>The server closed the connection before it answered.</source>
        <extracomment>message: a server call failed, the connection was closed</extracomment>
        <translation>Der Server hat die Verbindung beendet, bevor er geantwortet hat.</translation>
    </message>
    <message id="T9702">
        <source>The server name could not be found. Please check the server address.</source>
        <extracomment>message: a server call failed, unknown host</extracomment>
        <translation>Der Servername wurde nicht gefunden. Bitte prüfen Sie die Serveradresse.</translation>
    </message>
    <message id="T9703">
        <source>The server did not answer in time.</source>
        <extracomment>message: a server call failed, time-out</extracomment>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message id="T9704">
        <source>A secure connection to the server could not be established.</source>
        <extracomment>message: a server call failed in the TLS handshake; the network library's reason follows in parentheses</extracomment>
        <translation>Eine sichere Verbindung zum Server konnte nicht hergestellt werden.</translation>
    </message>
    <message id="T9705">
        <source>The network is not available.</source>
        <extracomment>message: a server call failed, no network</extracomment>
        <translation>Das Netzwerk ist nicht verfügbar.</translation>
    </message>
    <message id="T9706">
        <source>The proxy server could not be reached. Please check the proxy settings.</source>
        <extracomment>message: a server call failed at the proxy</extracomment>
        <translation>Der Proxyserver ist nicht erreichbar. Bitte prüfen Sie die Proxyeinstellungen.</translation>
    </message>
    <message id="T9707">
        <source>The proxy server did not accept the proxy user name or password.</source>
        <extracomment>message: a server call failed, proxy authentication</extracomment>
        <translation>Der Proxyserver hat den Proxybenutzer oder das Kennwort nicht angenommen.</translation>
    </message>
    <message id="T9708">
        <source>The server answered with an error. HTTP status: </source>
        <extracomment>message: a server call failed with an HTTP error; the status number follows</extracomment>
        <translation>Der Server hat mit einem Fehler geantwortet. HTTP-Status: </translation>
    </message>
    <message id="T9710">
        <source>Jobs</source>
        <extracomment>page 0, screen-reader name of the job list</extracomment>
        <translation>Aufträge</translation>
    </message>
    <message id="T9711">
        <source>Time</source>
        <extracomment>screen-reader name of a time picker, after the caption of its row ("Start Date: Time")</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message id="T9712">
        <source>Date</source>
        <extracomment>screen-reader name of a day picker, after the caption of its row (to-do page)</extracomment>
        <translation>Datum</translation>
    </message>
</context>
</TS>
