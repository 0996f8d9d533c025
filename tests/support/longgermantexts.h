#pragma once
// A long German-like language for the text-fit tests: real German, phrased at
// the long end (compound nouns, formal address), so that texts which only just
// fit in English get cut somewhere in dietlens's windows.
#include "dietlens/lang/text/connectnotice.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/information.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/lang/text/newfooditem.h"
#include "dietlens/lang/text/settings.h"
#include "dietlens/lang/text/traynotice.h"
#include "lang/languagetables.h"

#include <QString>

// Sets every text of tables 1 to 7 that dietlens shows to a deliberately long
// German-like translation. Texts that name a server or web address, texts
// written into bookmarks and texts dietlens never shows keep what they hold.
inline void SetLongGermanLikeTexts(LanguageTables& tables)
{
    using namespace Qt::StringLiterals;

    // Table 1: the main window, its menus, toolbar, status bar and messages.
    namespace M = text::Main;
    tables.set(M::File, u"Datei"_s);
    tables.set(M::Settings1, u"Einstellungen"_s);
    tables.set(M::ConnectToServer2, u"Verbindung zum Server herstellen"_s);
    tables.set(M::Export, u"Exportieren"_s);
    tables.set(M::BookmarkToMenuviaFOOD, u"Lesezeichen nach Menuvia FOOD übertragen"_s);
    tables.set(M::Exit5, u"Programm beenden"_s);
    tables.set(M::Options, u"Optionen"_s);
    tables.set(M::AddNewFoodItem, u"Neues Lebensmittel hinzufügen"_s);
    tables.set(M::AddToBookmarks, u"Zu den Lesezeichen hinzufügen"_s);
    tables.set(M::RemoveSelectedBookmark, u"Ausgewähltes Lesezeichen entfernen"_s);
    tables.set(M::Information, u"Informationen"_s);
    tables.set(M::AboutDietlens, u"Über Dietlens"_s);
    tables.set(M::QuelmarWebsite, u"Internetseite von Quelmar"_s);
    tables.set(M::MenuviaFOOD, u"Menuvia FOOD"_s);
    tables.set(M::Show, u"Anzeigen"_s);
    tables.set(M::ConnectToServer16, u"Verbindung zum Server herstellen"_s);
    tables.set(M::Settings17, u"Einstellungen"_s);
    tables.set(M::InternetResultsList, u"Liste der Internet-Suchergebnisse"_s);
    tables.set(M::Bookmarks, u"Lesezeichenliste"_s);
    tables.set(M::AddANewFoodItem, u"Ein neues Lebensmittel zur Lebensmitteldatenbank hinzufügen"_s);
    tables.set(M::BookmarkSelectedFoodItem, u"Ausgewähltes Lebensmittel als Lesezeichen speichern"_s);
    tables.set(M::ShowHelpFile, u"Hilfedatei anzeigen"_s);
    tables.set(M::ConfirmSearch, u"Suchanfrage bestätigen"_s);
    tables.set(M::CantSendSearch, u"Suchanfrage kann nicht gesendet werden"_s);
    tables.set(M::EnterTheFoodItemThat, u"Geben Sie das Lebensmittel ein, nach dem Sie suchen möchten"_s);
    tables.set(M::WeightOfFoodItem126, u"Gewicht des Lebensmittels + 1 Gramm"_s);
    tables.set(M::WeightOfFoodItem127, u"Gewicht des Lebensmittels - 1 Gramm"_s);
    tables.set(M::NoResultsHaveBeenFound, u"Es wurden leider keine Suchergebnisse gefunden."_s);
    tables.set(M::TryAnotherSearch, u"Versuchen Sie es mit einer anderen Suchanfrage."_s);
    tables.set(M::AnErrorOccurredDuringThe,
               u"Bei der Suche in der Lebensmitteldatenbank ist ein Fehler aufgetreten."_s);
    tables.set(M::TheLastSearchJobHas,
               u"Die letzte Suchanfrage wurde wahrscheinlich noch nicht vollständig abgeschlossen."_s);
    tables.set(M::PleaseTryAgainLater, u"Bitte versuchen Sie es später noch einmal."_s);
    tables.set(M::AConnectionWithTheServer,
               u"Eine Verbindung mit dem Server kann nicht hergestellt werden."_s);
    tables.set(M::TheServerDidNotRespond, u"Der Server hat auf die Anfrage nicht geantwortet."_s);
    tables.set(M::CheckYourInternetConnectionAnd35,
               u"Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut."_s);
    tables.set(M::ANewerVersionOfDietlens,
               u"Auf dem Server ist eine neuere Version von Dietlens verfügbar."_s);
    tables.set(M::ThisCurrentVersionOfDietlens,
               u"Die derzeit verwendete Version von Dietlens funktioniert nicht mehr."_s);
    tables.set(
        M::YouCanDownloadTheNewer,
        u"Sie können die neuere Version von Dietlens kostenlos von unserer Internetseite herunterladen."_s);
    tables.set(M::AnErrorOccurredWhileMaking,
               u"Bei der Verbindungsherstellung mit dem Server ist ein Fehler aufgetreten."_s);
    tables.set(M::TheServerIsProbablyNot, u"Der Server ist zurzeit wahrscheinlich nicht erreichbar."_s);
    tables.set(M::CheckYourInternetConnectionAnd41,
               u"Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut."_s);
    tables.set(M::AnErrorOccurredWhileSearching,
               u"Beim Durchsuchen der Lebensmitteldatenbank auf dem Server ist ein Fehler aufgetreten."_s);
    tables.set(M::CheckYourInternetConnectionAnd43,
               u"Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut."_s);
    tables.set(
        M::IfYouWantToSearch44,
        u"Um nach Lebensmitteln suchen zu können, müssen Sie eine Verbindung mit dem Server herstellen."_s);
    tables.set(M::Gram, u"Gramm"_s);
    tables.set(M::AnErrorOccurredWhileAnalysing,
               u"Bei der Auswertung der Daten ist ein Fehler aufgetreten."_s);
    tables.set(M::PleaseContactQuelmarWhenThis47,
               u"Bitte wenden Sie sich an Quelmar, wenn dieser Fehler mehr als einmal auftritt."_s);
    tables.set(
        M::AnErrorOccurredWhileConnecting,
        u"Beim Verbindungsaufbau zur Lebensmitteldatenbank auf dem Server ist ein Fehler aufgetreten."_s);
    tables.set(M::CheckYourInternetConnectionAnd49,
               u"Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut."_s);
    tables.set(
        M::IfYouWantToSearch50,
        u"Um nach Lebensmitteln suchen zu können, müssen Sie eine Verbindung mit dem Server herstellen."_s);
    tables.set(M::AnErrorOccurredDuringDragging,
               u"Beim Ziehen und Ablegen von Lebensmitteln ist ein Fehler aufgetreten."_s);
    tables.set(M::PleaseContactQuelmarWhenThis54,
               u"Bitte wenden Sie sich an Quelmar, wenn dieser Fehler mehr als einmal auftritt."_s);
    tables.set(M::ThereAreNoFoodItems,
               u"In den Lesezeichen befinden sich keine Lebensmittel, die exportiert werden können."_s);
    tables.set(M::SearchAFoodItemBookmark,
               u"Suchen Sie ein Lebensmittel, speichern Sie es als Lesezeichen und "
               u"exportieren Sie die Lesezeichen anschließend erneut."_s);
    tables.set(M::SaveBookmarksAsAMenuvia, u"Lesezeichen als Menuvia-FOOD-Datenbankdatei speichern."_s);
    tables.set(M::YouCannotPerformASearch, u"In der Lesezeichenliste können Sie keine Suche durchführen."_s);
    tables.set(
        M::PressTheBarchartInternetButton,
        u"Drücken Sie die Schaltfläche ' Balkendiagramm/Internet ', um nach Lebensmitteln zu suchen."_s);
    tables.set(M::CantSendThisSearchTo, u"Diese Suchanfrage kann nicht an den Server gesendet werden."_s);
    tables.set(M::YouHaveToEnterAt, u"Sie müssen mindestens 3 Zeichen eingeben."_s);
    tables.set(M::YouAreGoingToReset, u"Sie sind im Begriff, die Standardsprachdateien zurückzusetzen."_s);
    tables.set(M::AllTheLanguageFilesWill,
               u"Sämtliche Sprachdateien werden mit den Standarddateien überschrieben."_s);
    tables.set(M::AreYouSureYouWant, u"Sind Sie sicher, dass Sie die Sprachdateien zurücksetzen möchten?"_s);
    tables.set(M::AllTheLanguageFilesHave, u"Sämtliche Sprachdateien sind überschrieben worden."_s);
    tables.set(M::Extra, u"Extras"_s);
    tables.set(M::ResetLanguageFiles, u"Sprachdateien zurücksetzen"_s);
    tables.set(M::BusyWithTheSearchingDatabase,
               u"Die Lebensmitteldatenbank wird durchsucht.... (Datenübertragung läuft)"_s);
    tables.set(M::HelpIndex, u"Inhaltsverzeichnis der Hilfe"_s);
    tables.set(M::ConnectingPleaseWait, u"Verbindung wird hergestellt ..... (bitte warten)"_s);
    tables.set(M::Oz, u"Unzen "_s);
    tables.set(M::IsAddedToTheBookmark, u"wurde zur Lesezeichenliste hinzugefügt."_s);

    // Table 2: the new food item window and its messages.
    namespace N = text::NewFoodItem;
    tables.set(N::AddFoodItemsToDatabase, u"Lebensmittel zur Lebensmitteldatenbank hinzufügen"_s);
    tables.set(
        N::Introduction,
        u"In diesem Fenster können Sie schnell neue Lebensmittel zu unserer Online-Lebensmitteldatenbank "
        u"hinzufügen. Füllen Sie alle Nährwertangaben aus und drücken Sie die Schaltfläche „Senden“, um "
        u"das Lebensmittel zu übermitteln."_s);
    tables.set(N::GeneralInformation, u"Allgemeine Angaben:"_s);
    tables.set(N::OriginalNutritionValues, u"Ursprüngliche Nährwertangaben:"_s);
    tables.set(N::YourName, u"Ihr vollständiger Name:"_s);
    tables.set(N::FoodItem, u"Lebensmittel"_s);
    tables.set(N::Remarks, u"Bemerkungen:"_s);
    tables.set(N::TheNutritionValuesArePer, u"Die Nährwertangaben beziehen sich auf:"_s);
    tables.set(N::GramS, u"Gramm"_s);
    tables.set(N::Kilojoules, u"Kilojoule:"_s);
    tables.set(N::Kilocalories, u"Kilokalorien:"_s);
    tables.set(N::FatS, u"Fett(gesättigt)"_s);
    tables.set(N::FatU, u"Fett(ungesättigt)"_s);
    tables.set(N::Protein, u"Eiweiß:"_s);
    tables.set(N::Carbs, u"Kohlenhydr.:"_s);
    tables.set(N::Sodium, u"Natrium:"_s);
    tables.set(N::TheValueForSodiumIs,
               u"Der Wert für Natrium wird in Gramm angegeben, 1 Milligramm = 0,001 Gramm"_s);
    tables.set(N::Cancel, u"Abbrechen"_s);
    tables.set(N::Submit, u"Absenden"_s);
    tables.set(N::AnErrorOccurredDuringThe,
               u"Bei der Berechnung der Werte des Lebensmittels ist ein Fehler aufgetreten."_s);
    tables.set(N::PleaseTryAgain, u"Bitte versuchen Sie es noch einmal."_s);
    tables.set(N::NotAllValuesHaveBeen, u"Für das neue Lebensmittel wurden nicht alle Werte ausgefüllt."_s);
    tables.set(N::PleaseFillInTheMissing,
               u"Bitte füllen Sie die fehlenden Werte aus und drücken Sie erneut auf „Absenden“."_s);
    tables.set(N::AnErrorOccurredWhileChecking,
               u"Bei der Überprüfung des neuen Lebensmittels ist ein Fehler aufgetreten."_s);
    tables.set(N::PleaseContactQuelmarWhenThis,
               u"Bitte wenden Sie sich an Quelmar, wenn dieser Fehler mehr als einmal auftritt."_s);
    tables.set(
        N::AnErrorOccurredWhileConnection,
        u"Beim Verbindungsaufbau zur Lebensmitteldatenbank auf dem Server ist ein Fehler aufgetreten."_s);
    tables.set(N::TheFoodItemHasBeen,
               u"Das Lebensmittel wurde an unsere Lebensmitteldatenbank übermittelt und "
               u"dort ohne jegliche Fehler empfangen."_s);
    tables.set(N::TheSubmittedFoodItemHas,
               u"Das übermittelte Lebensmittel hat zurzeit den Status ' rot '."_s);
    tables.set(N::OneOfOurEmployeesWill,
               u"Einer unserer Mitarbeiter wird das neue Lebensmittel in Kürze überprüfen."_s);
    tables.set(N::ThanksForYourSubmission, u"Vielen Dank für Ihre Einsendung!"_s);
    tables.set(N::AnErrorOccurredWhileAnalysing,
               u"Bei der Auswertung der Daten ist ein Fehler aufgetreten."_s);
    tables.set(N::CheckYourInternetConnectionAnd,
               u"Überprüfen Sie Ihre Internetverbindung und versuchen Sie es erneut."_s);
    tables.set(N::Oz, u"Unzen "_s);

    // Table 3: the connect-first notice.
    namespace C = text::ConnectNotice;
    tables.set(C::MakeAConnectionFirst0, u"Stellen Sie zuerst eine Verbindung her"_s);
    tables.set(
        C::DietlensIsNotConnectedTo,
        u"Dietlens ist noch nicht mit dem Server verbunden. Drücken Sie die Schaltfläche 'Verbinden', um "
        u"eine Verbindung mit dem Server herzustellen."_s);
    tables.set(C::MakeAConnectionFirst2, u"Stellen Sie zuerst eine Verbindung her"_s);
    tables.set(C::AlwaysShowThisMessage, u"Diese Meldung immer anzeigen."_s);
    tables.set(C::OK, u" OK "_s);

    // Table 4: the tray notice.
    namespace T = text::TrayNotice;
    tables.set(T::DietlensIsInYourSystem, u"Dietlens befindet sich im Infobereich der Taskleiste"_s);
    tables.set(
        T::DietlensIsStillActiveAnd,
        u"Dietlens ist weiterhin aktiv und wurde im Infobereich der Taskleiste abgelegt. Doppelklicken Sie "
        u"auf das Dietlens-Symbol im Infobereich der Taskleiste, um das Programm wieder zu öffnen."_s);
    tables.set(T::AlwaysShowThisMessage, u"Diese Meldung immer anzeigen."_s);
    tables.set(T::OK, u" OK "_s);

    // Table 5: the settings dialog and its messages.
    namespace S = text::Settings;
    tables.set(S::Settings, u"Einstellungen"_s);
    tables.set(S::HereYouWillFindAll,
               u"Hier finden Sie alle wichtigen Einstellungen für Dietlens. Ändern Sie die Einstellungen und "
               u"drücken Sie die Schaltfläche „Speichern“, um diese Änderungen zu übernehmen."_s);
    tables.set(S::GeneralSettings, u"Allgemeine Einstellungen"_s);
    tables.set(S::DisplayOptions, u"Darstellungsoptionen"_s);
    tables.set(S::DataTraffic, u"Datenverkehr"_s);
    tables.set(S::EnterYourNameSelectA,
               u"Geben Sie Ihren Namen ein, wählen Sie eine Sprache und wählen Sie einen Server aus"_s);
    tables.set(S::ChangeTheDisplaySettings, u"Ändern Sie die Darstellungseinstellungen"_s);
    tables.set(S::ViewTheInternetTrafficOf,
               u"Zeigen Sie den Internetdatenverkehr Ihrer Dietlens-Version an"_s);
    tables.set(S::FullName, u"Vollständiger Name:"_s);
    tables.set(S::Language, u"Sprache:"_s);
    tables.set(S::SelectADatabase, u"Wählen Sie eine Datenbank aus:"_s);
    tables.set(S::TotalInternetTrafficAndInternet, u"Gesamter Internetdatenverkehr und Internetsuche :"_s);
    tables.set(S::PopUpWindows, u"Pop-up-Fenster:"_s);
    tables.set(S::DisplayKiloJoulesOrKilo, u"Kilojoule oder Kilokalorien anzeigen:"_s);
    tables.set(S::FirstName, u"Vorname:"_s);
    tables.set(S::LastName, u"Nachname:"_s);
    tables.set(S::SelectALanguage, u"Wählen Sie eine Sprache aus:"_s);
    tables.set(S::TotalReceivesTrafficInKilo, u"Insgesamt empfangener Datenverkehr in Kilobyte:"_s);
    tables.set(S::TotalNumberOfSearchJobs, u"Gesamtzahl der gestellten Suchanfragen:"_s);
    tables.set(S::ResetLanguageFiles, u"Sprachdateien zurücksetzen"_s);
    tables.set(S::DisplayKiloJouleValuesIn, u"Kilojoulewerte im Balkendiagramm anzeigen."_s);
    tables.set(S::DisplayKiloCalorieValuesIn, u"Kilokalorienwerte im Balkendiagramm anzeigen."_s);
    tables.set(S::ShowPopUpWhenI,
               u"Hinweis anzeigen, wenn ich Dietlens in den Infobereich der Taskleiste verschiebe."_s);
    tables.set(S::ShowConnectFirstPopUp, u"Hinweis 'Zuerst verbinden' anzeigen, wenn ich Dietlens starte."_s);
    tables.set(S::Cancel, u"Abbrechen"_s);
    tables.set(S::Save, u"Speichern"_s);
    tables.set(S::AnErrorOccurredWhileSaving28,
               u"Beim Speichern der Einstellungsdatei ist ein Fehler aufgetreten."_s);
    tables.set(S::RestartDietlensAndTryAgain29, u"Starten Sie Dietlens neu und versuchen Sie es erneut."_s);
    tables.set(S::AnErrorOccurredWhileOpening,
               u"Beim Öffnen der Sprachdateien ist ein Fehler aufgetreten."_s);
    tables.set(S::ResetTheLanguageFilesAnd,
               u"Setzen Sie die Sprachdateien zurück und versuchen Sie es erneut."_s);
    tables.set(S::YouDidNotEnterA32, u"Sie haben keinen Vornamen eingegeben."_s);
    tables.set(S::PleaseEnterAFirstName,
               u"Bitte geben Sie einen Vornamen ein und versuchen Sie es erneut."_s);
    tables.set(S::YouDidNotEnterA34, u"Sie haben keinen Nachnamen eingegeben."_s);
    tables.set(S::PleaseEnterALastName,
               u"Bitte geben Sie einen Nachnamen ein und versuchen Sie es erneut."_s);
    tables.set(S::YouDidNotSelectA, u"Sie haben keine Sprache ausgewählt."_s);
    tables.set(S::PleaseSelectALanguageAnd,
               u"Bitte wählen Sie eine Sprache aus und versuchen Sie es erneut."_s);
    tables.set(S::AnErrorOccurredWhileSaving38,
               u"Beim Speichern der Einstellungsdatei ist ein Fehler aufgetreten."_s);
    tables.set(S::RestartDietlensAndTryAgain39, u"Starten Sie Dietlens neu und versuchen Sie es erneut."_s);
    tables.set(S::TotalNumberOfAddedFood, u"Gesamtzahl der hinzugefügten Lebensmittel:"_s);
    tables.set(S::RecieveInformationByEmail, u"Informationen per E-Mail erhalten:"_s);
    tables.set(S::YesIWouldLikeTo,
               u"Ja, ich möchte gerne Informationen über Produkte von Quelmar erhalten."_s);
    tables.set(S::KeepDietlensOnTopAlways,
               u"Dietlens immer im Vordergrund halten (Funktion „Immer im Vordergrund“)."_s);
    tables.set(S::DisplayFoodWeightIn, u"Gewicht der Lebensmittel anzeigen in:"_s);
    tables.set(S::Gram, u"Gramm"_s);
    tables.set(S::Oz, u"Unzen "_s);
    tables.set(S::TheSettingsAreNotCompleted, u"Die Einstellungen sind noch nicht vollständig ausgefüllt."_s);
    tables.set(S::FillInAllTheSettings,
               u"Füllen Sie alle Einstellungen aus und drücken Sie auf „Speichern“."_s);

    // Table 6: the information window.
    namespace I = text::Information;
    tables.set(I::MoreInformation, u"Weitere Informationen"_s);
    tables.set(I::AboutDietlens, u"Über Dietlens:"_s);
    tables.set(I::AboutMenuviaFOOD, u"Über Menuvia FOOD:"_s);
    tables.set(
        I::IfYouWantMoreDetails,
        u"Wenn Sie noch ausführlichere Angaben und Informationen über Nährwerte, Ihr Gewicht oder Ihre "
        u"Ernährung wünschen, dann ist das Programm Menuvia Food von Quelmar genau das Richtige für Sie! "
        u"Besuchen Sie unsere Internetseite für weitere Informationen."_s);
    tables.set(I::KeepTrackOfYourWeight, u"+ Halten Sie Ihr Gewicht und Ihren Verzehr pro Tag fest."_s);
    tables.set(I::SeeIfYouConsumeThe,
               u"+ Sehen Sie, ob Sie die empfohlene tägliche Nährstoffmenge zu sich nehmen. "_s);
    tables.set(I::ViewDetailedGraphsOfYour,
               u"+ Betrachten Sie ausführliche Diagramme Ihres Verzehrs und Ihrer Gewichtsabnahme."_s);
    tables.set(I::AccessInformationAboutMoreThan,
               u"+ Zugriff auf Informationen über mehr als 1700 Lebensmittel."_s);
    tables.set(I::MakeYourOwnListsAnd,
               u"+ Erstellen Sie eigene Listen und passen Sie Portionen individuell an."_s);
    tables.set(I::VisitOurWebsiteForMore,
               u"Besuchen Sie unsere Internetseite für weitere Informationen über unsere Produkte."_s);
    tables.set(I::Website, u"Internetseite"_s);
    tables.set(I::Cancel, u"Abbrechen"_s);

    // Table 7: the messages and texts of the program's functions, the chart among them.
    namespace F = text::Functions;
    tables.set(F::CannotCreateTheFileDl2set, u"Die Datei 'dl2set.dat' kann nicht erstellt werden."_s);
    tables.set(F::IsTheDiskWriteProtected, u"Ist der Datenträger schreibgeschützt?"_s);
    tables.set(F::MakeSureTheDiskIs,
               u"Stellen Sie sicher, dass der Datenträger nicht schreibgeschützt ist."_s);
    tables.set(F::TheFileDl2setDatHas, u"Die Datei 'dl2set.dat' wurde auf diesem Computer nicht gefunden."_s);
    tables.set(F::ThisIsProbablyThisIs, u"Wahrscheinlich starten Sie Dietlens zum allerersten Mal."_s);
    tables.set(F::FillInAllTheRequired,
               u"Füllen Sie alle erforderlichen Felder im Einstellungsfenster aus."_s);
    tables.set(F::PressOKToOpenThe, u"Drücken Sie auf 'OK', um das Einstellungsfenster zu öffnen."_s);
    tables.set(F::AnErrorOccurredWhileOpening,
               u"Beim Öffnen der Lesezeichendatei ist ein Fehler aufgetreten."_s);
    tables.set(F::AnErrorOccurredWhileSaving,
               u"Beim Speichern der Lesezeichendatei ist ein Fehler aufgetreten."_s);
    tables.set(F::NotConnected, u"(nicht verbunden)"_s);
    tables.set(F::MakeAConnectionWithThe10, u"Verbindung mit dem Server herstellen"_s);
    tables.set(F::ConnectToServer, u"Verbindung zum Server herstellen"_s);
    tables.set(F::MakeAConnectionWithThe12, u"Verbindung mit dem Server herstellen"_s);
    tables.set(F::Connected, u"(verbunden)"_s);
    tables.set(F::DisconnectFromServer, u"Verbindung zum Server trennen"_s);
    tables.set(F::Disconnect, u"Verbindung trennen"_s);
    tables.set(F::ConnectedToServer, u"Mit dem Server verbunden"_s);
    tables.set(F::EnterAFoodItemTo, u"Geben Sie ein Lebensmittel ein, nach dem gesucht werden soll."_s);
    tables.set(F::ThereAre, u"Es wurden ("_s);
    tables.set(F::ResultsFor, u") Suchergebnisse gefunden für"_s);
    tables.set(F::AnErrorOccurredWhileRunning,
               u"Bei der Ausführung einer internen Funktion ist ein Fehler aufgetreten."_s);
    tables.set(F::PleaseContactQuelmarWhenThis,
               u"Bitte wenden Sie sich an Quelmar, wenn dieser Fehler mehr als einmal auftritt."_s);
    tables.set(F::AnErrorOccurredWhileMaking,
               u"Beim Erstellen eines Verzeichnisses ist ein Fehler aufgetreten."_s);
    tables.set(F::AnErrorOccurredWhileGenerating,
               u"Beim Erstellen des Balkendiagramms ist ein Fehler aufgetreten."_s);
    tables.set(F::KilojoulesPer24, u"Kilojoule pro"_s);
    tables.set(F::KilojoulesPer25, u"Kilojoule pro"_s);
    tables.set(F::KilocaloriesPer, u"Kilokalorien pro"_s);
    tables.set(F::SaturatedFatPer, u"Gesättigte Fettsäuren pro"_s);
    tables.set(F::UnsaturatedFatPer, u"Ungesättigte Fettsäuren pro"_s);
    tables.set(F::SodiumPer, u"Natrium pro"_s);
    tables.set(F::ProteinPer, u"Eiweiß pro"_s);
    tables.set(F::CarbohydratesPer, u"Kohlenhydrate pro"_s);
    tables.set(F::Gram, u"Gramm"_s);
    tables.set(F::Kj33, u"kJ "_s);
    tables.set(F::Kj34, u"kJ "_s);
    tables.set(F::Kcal, u"kcal"_s);
    tables.set(F::Gr, u"Gr."_s);
    tables.set(F::AnErrorOccurredDuringThe,
               u"Bei den Berechnungen von Menuvia FOOD ist ein Fehler aufgetreten."_s);
    tables.set(F::PleaseNotifyUsAboutThis, u"Bitte teilen Sie uns diesen Fehler mit."_s);
    tables.set(F::Oz, u"Unzen "_s);
}
