#include "dietlens/lang/defaultlanguages.h"

#include "dietlens/core/program.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/information.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/lang/text/newfooditem.h"
#include "dietlens/lang/text/settings.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QFileInfo>

#include <iterator>
#include <memory>

namespace {

enum class Language { English, Dutch };

struct SlotText
{
    const char16_t* english;
    const char16_t* dutch;
};

// The texts of tables 1 to 7, English and Dutch, slot by slot. A slot whose
// text names a server or web site is null here and filled from the hosts.
// F01_lng_, slots 0 to 77.
constexpr SlotText kMainScreen[] = {
    {u"File", u"Bestand"},                                                                       // 0
    {u"Settings", u"Instellingen"},                                                              // 1
    {u"Connect to server", u"Maak verbinding met server"},                                       // 2
    {u"Export", u"Exporteer"},                                                                   // 3
    {u"Bookmark to Menuvia FOOD", u"Bookmarks naar Menuvia FOOD"},                               // 4
    {u"Exit", u"Afsluiten"},                                                                     // 5
    {u"Options", u"Opties"},                                                                     // 6
    {u"Add new food item", u"Nieuw voedingsmiddel toevoegen"},                                   // 7
    {u"Add to bookmarks", u"Toevoegen aan bookmark"},                                            // 8
    {u"Remove selected bookmark", u"Verwijder deze bookmark"},                                   // 9
    {u"Information", u"Informatie"},                                                             // 10
    {u"About Dietlens", u"Over Dietlens"},                                                       // 11
    {u"Quelmar website", u"Quelmar website"},                                                    // 12
    {u"Menuvia FOOD", u"Menuvia FOOD"},                                                          // 13
    {u"Show", u"Weergeven"},                                                                     // 14
    {u"Exit", u"Afsluiten"},                                                                     // 15
    {u"Connect to server", u"Maak een verbinding met de server"},                                // 16
    {u"Settings", u"Instellingen"},                                                              // 17
    {u"Internet results list", u"Internet resultatenlijst"},                                     // 18
    {u"Bookmarks", u"Bookmarklijst"},                                                            // 19
    {u"Add a new food item to database", u"Nieuw voedingsmiddel verzenden naar server"},         // 20
    {u"Bookmark selected food item", u"Bookmark geselecteerd voedingsmiddel"},                   // 21
    {u"Show help file", u"Help bestand weergeven"},                                              // 22
    {u"Confirm search", u"Verstuur de zoekopdracht"},                                            // 23
    {u"Can't send search", u"Kan zoekopdracht nu niet verzenden"},                               // 24
    {u"Enter the food item that you want to search", u"Voer hier de zoekopdracht in"},           // 25
    {u"Weight of food item + 1 gram", u"Gewicht van voedingsmiddel + 1 gram"},                   // 26
    {u"Weight of food item - 1 gram", u"Gewicht van voedingsmiddel - 1 gram"},                   // 27
    {u"No results have been found.", u"Er zijn geen resultaten gevonden voor de zoekopdracht."}, // 28
    {u"Try another search.", u"Probeer een andere zoekopdracht."},                               // 29
    {u"An error occurred during the search in the database.",
     u"Er heeft zich een fout voorgedaan tijdens het versturen van de zoekopdracht."}, // 30
    {u"The last search job has probably not finished yet.",
     u"Waarschijnlijk was de vorige zoekopdracht nog in uitvoering."}, // 31
    {u"Please try again later.", u"Probeer het later nog eens."},      // 32
    {u"A connection with the server can't be established.",
     u"Er kan geen verbinding tot stand gebracht worden."},             // 33
    {u"The server did not respond.", u"De server geeft geen reactie."}, // 34
    {u"Check your internet connection and try again.",
     u"Controleer de internetverbinding en probeer later opnieuw."}, // 35
    {u"A newer version of Dietlens is available on the server.",
     u"Er is een nieuwe versie van Dietlens beschikbaar op de server."}, // 36
    {u"This current version of Dietlens will not work anymore.",
     u"De versie van Dietlens die je nu gebruikt zal niet meer werken."}, // 37
    {u"You can download the newer version of Dietlens for free from our website.",
     u"Je kan deze versie gratis downloaden vanaf de Quelmar website."}, // 38
    {u"An error occurred while making the connection with the server.",
     u"Er heeft zich een fout voorgedaan tijdens het maken van de connectie."}, // 39
    {u"The server is probably not available at this time.",
     u"Het kan zijn dat de server tijdelijk niet bereikbaar is."}, // 40
    {u"Check your internet connection and try again.",
     u"Controleer de internetverbinding en probeer opnieuw."}, // 41
    {u"An error occurred while searching the database on the server.",
     u"Er heeft zich een fout voorgedaan tijden het verwerken van de zoekopdracht."}, // 42
    {u"Check your internet connection and try again.",
     u"Controleer of je een verbinding hebt met internet."}, // 43
    {u"If you want to search for food items you have to have a connection with the server.",
     u"Om een voedingsmiddel te zoeken moet een connectie met internet gemaakt worden."}, // 44
    {u"Gram", u"Gram"},                                                                   // 45
    {u"An error occurred while analysing data.",
     u"Er heeft zich een fout voorgedaan tijdens het verwerken van de data."}, // 46
    {u"Please contact Quelmar when this error occurs more then ones.",
     u"Neem contact op met Quelmar indien deze fout vaker voorkomt."}, // 47
    {u"An error occurred while connecting to the database on the server.",
     u"Er heeft zich een fout voorgedaan tijdens het verbinden met de database op de server."}, // 48
    {u"Check your internet connection and try again.",
     u"Controleer de internetverbinding en probeer het opnieuw."}, // 49
    {u"If you want to search for food items you have to have a connection with the server.",
     u"Om een voedingsmiddel te zoeken moet een connectie met internet gemaakt worden."}, // 50
    {u"Default", u"Standaard"},                                                           // 51
    {u"Exported with Dietlens", u"Geëxporteerd met Dietlens"},                            // 52
    {u"An error occurred during dragging and dropping food items.",
     u"Er heeft zich een fout voorgedaan tijdens het slepen en droppen van de data."}, // 53
    {u"Please contact Quelmar when this error occurs more then ones.",
     u"Neem contact op met Quelmar indien deze fout vaker voorkomt."}, // 54
    {u"There are no food items in the bookmarks to export.",
     u"Er zijn nog geen voedingsmiddelen in de bookmarks om te exporteren."}, // 55
    {u"Search a food item, bookmark and then export the bookmarks again.",
     u"Zoek een voedingsmiddel, bookmark een voedingsmiddel en probeer opnieuw."}, // 56
    {u"Save bookmarks as a Menuvia FOOD database file.",
     u"Bookmarks opslaan als Menuvia FOOD database bestand."}, // 57
    {nullptr, nullptr},                                        // 58: named hosts, see assignHostSlots
    {u"You cannot perform a search in the bookmark list.",
     u"Je zit nu in het 'bookmarkscherm', hierin kan je niet zoeken."}, // 59
    {u"Press the ' barchart/Internet ' button to search for food items.",
     u"Druk op de 'barchart / internet' knop om te zoeken op internet."},                             // 60
    {u"Can't send this search to server.", u"Kan geen zoekopdracht geven."},                          // 61
    {u"You have to enter at least 3 characters.", u"Geef minimaal 3 karakters op om mee te zoeken."}, // 62
    {u"You are going to reset the default language files.",
     u"U staat op het punt om de taalbestanden te herstellen."}, // 63
    {u"All the language files will be overwritten with the default files.",
     u"Alle taalbestanden zullen hierbij overschreven worden."}, // 64
    {u"Are you sure you want to reset the language files?",
     u"Weet u zeker dat u de taalbestanden wilt herstellen?"},                                // 65
    {u"All the language files have been overwritten.", u"Alle taalbestanden zijn hersteld."}, // 66
    {u"Extra", u"Extra"},                                                                     // 67
    {u"Reset language files", u"Reset taalbestanden"},                                        // 68
    {u"Busy with the searching database.... (transferring)",
     u"Bezig met zoeken op internet ... (overdracht)"},                          // 69
    {u"Help", u"Help index"},                                                    // 70
    {u"Help index", u"Index"},                                                   // 71
    {u"Search", u"Zoeken"},                                                      // 72
    {u"-EMPTY-", u"-LEEG-"},                                                     // 73
    {u"-EMPTY-", u"-LEEG-"},                                                     // 74
    {u"Connecting ..... (please wait)", u"Verbinding opbouwen ..... (moment)"},  // 75
    {u"oz ", u"oz "},                                                            // 76
    {u"is added to the bookmark list.", u"is toegevoegd aan de bookmarklijst."}, // 77
};
static_assert(std::size(kMainScreen) == 78);

// F02_lng_, slots 0 to 32.
constexpr SlotText kNewFoodItem[] = {
    {u"Add food items to database", u"Voedingsmiddel toevoegen aan website:"}, // 0
    {nullptr, nullptr},                                             // 1: named hosts, see assignHostSlots
    {u"General information:", u"Algemene gegevens:"},               // 2
    {u"Original nutrition values:", u"Originele voedingswaarden:"}, // 3
    {u"Your name:", u"Jouw naam:"},                                 // 4
    {u"Food item", u"Voedingsmiddel:"},                             // 5
    {u"Remarks:", u"Opmerkingen:"},                                 // 6
    {u"The nutrition values are per:", u"De voedingswaarden die ik invoer zijn per:"}, // 7
    {u"Gram(s)", u"Gram"},                                                             // 8
    {u"kilojoules:", u"Kilojoules:"},                                                  // 9
    {u"Kilocalories:", u"Kilocaloriën:"},                                              // 10
    {u"Fat(s)", u"Vet(v):"},                                                           // 11
    {u"Fat(u)", u"Vet(o):"},                                                           // 12
    {u"Protein:", u"Eiwit:"},                                                          // 13
    {u"Carbs.:", u"Kdr.:"},                                                            // 14
    {u"Sodium:", u"Zout:"},                                                            // 15
    {u"The value for sodium is in grams, 1 milligram = 0,001 grams",
     u"De waarde voor natrium is in grammen, 1 milligram = 0.001 gram"}, // 16
    {u"Cancel", u"Annuleren"},                                           // 17
    {u"Submit", u"Verzenden"},                                           // 18
    {u"An error occurred during the calculation of the food item.",
     u"Er heeft zich een fout voorgedaan tijdens een berekening."}, // 19
    {u"Please try again.", u"Probeer het nogmaals."},               // 20
    {u"Not all values have been filled in for the new food item.",
     u"Niet alle gegevens zijn ingevoerd voor het nieuwe voedingsmiddel."}, // 21
    {u"Please fill in the missing values and press submit again.",
     u"Vul de ontbrekende gegevens in en druk nogmaals op 'Toevoegen'."}, // 22
    {u"An error occurred while checking the new food item.",
     u"Er heeft zich een fout voorgedaan tijdens het controleren van de invoer."}, // 23
    {u"Please contact Quelmar when this error occurs more then onces.",
     u"Neem contact op met Quelmar indien deze fout vaker voorkomt."}, // 24
    {u"An error occurred while connection to the database on the server.",
     u"Er heeft zich een fout voorgedaan tijdens het verzenden van de gegevens."}, // 25
    {u"The food item has been sent to our database and has been received without any errors.",
     u"Het voedingsmiddel is verstuurd naar onze database en correct ontvangen."}, // 26
    {u"The submitted food item has a ' red ' status at this moment.",
     u"Het toegevoegde voedingsmiddel heeft op dit moment een 'rode' status."}, // 27
    {u"One of our employees will check the new foodstuff soon.",
     u"Een van onze medewerkers zal het nieuwe voedingsmiddel binnenkort controleren."}, // 28
    {u"Thanks for your submission!", u"Bedankt voor je inzending."},                     // 29
    {u"An error occurred while analysing data.",
     u"Er heeft zich een fout voorgedaan tijdens het verwerken van de opdracht."}, // 30
    {u"Check your internet connection and try again.",
     u"Controleer je internetverbinding en probeer het daarna nog eens."}, // 31
    {u"oz ", u"oz "},                                                      // 32
};
static_assert(std::size(kNewFoodItem) == 33);

// F03_lng_, slots 0 to 4.
constexpr SlotText kConnectionPopup[] = {
    {u"Make a connection first", u"Maak eerst een verbinding"}, // 0
    {u"Dietlens is not connected to the server yet. Press the 'Connect' button to make a connection with the "
     u"server.",
     u"Dietlens is nog niet verbonden met de server. Druk eerst op het 'Connect' knopje om een verbinding te "
     u"maken met de voedingsmiddelenserver."},                    // 1
    {u"Make a connection first", u"Maak eerst een verbinding."},  // 2
    {u"Always show this message.", u"Geef melding altijd weer."}, // 3
    {u" OK ", u" OK "},                                           // 4
};
static_assert(std::size(kConnectionPopup) == 5);

// F04_lng_, slots 0 to 3.
constexpr SlotText kToTrayPopup[] = {
    {u"Dietlens is in your system tray", u"Dietlens naar system tray"}, // 0
    {u"Dietlens is still active and has been placed in your system tray. Double click the Dietlens icon in "
     u"the system tray to open the program again.",
     u"Dietlens is nog actief en is in de system tray geplaatst. Dubbelklik op het Dietlensicoontje in de "
     u"system tray om het programma weer te openen."},            // 1
    {u"Always show this message.", u"Geef melding altijd weer."}, // 2
    {u" OK ", u" OK "},                                           // 3
};
static_assert(std::size(kToTrayPopup) == 4);

// F05_lng_, slots 0 to 49.
constexpr SlotText kProperties[] = {
    {u"Settings", u"Instellingen"}, // 0
    {u"Here you will find all the important settings for Dietlens. Change the settings and press the save "
     u"button to keep these changes.",
     u"Hier vind je alle belangrijke instellingen van Dietlens. Verander, indien gewenst, de instellingen en "
     u"druk op opslaan op de wijzigingen te bewaren."},                                                   // 1
    {u"General settings", u"Algemeen"},                                                                   // 2
    {u"Display options", u"Weergave opties"},                                                             // 3
    {u"Data traffic", u"Dataverkeer"},                                                                    // 4
    {u"Enter your name, select a language and select a server", u"Stel hier je naam, taal en server in"}, // 5
    {u"Change the display settings", u"Verander hier de instellingen voor weergave"},                     // 6
    {u"View the internet traffic of your Dietlens version", u"Bekijk hier je Dietlens data verbruik"},    // 7
    {u"Full name:", u"Voor- en achternaam:"},                                                             // 8
    {u"Language:", u"Taal:"},                                                                             // 9
    {u"Select a database:", u"Selecteer een database:"},                                         // 10
    {u"Total internet traffic and internet search :", u"Totale dataverkeer en zoekopdrachten:"}, // 11
    {u"Pop-up windows:", u"Pop-up vensters:"},                                                   // 12
    {u"Display kilo joules or kilo calories:", u"Kilojoules of kilocaloriën weergeven:"},        // 13
    {u"First name:", u"Voornaam:"},                                                              // 14
    {u"Last name:", u"Achternaam:"},                                                             // 15
    {u"Select a language:", u"Selecteer gewenste taal:"},                                        // 16
    {u"Total receives traffic in kilo bytes:", u"Totaal ontvangen data in kilobytes:"},          // 17
    {u"Total number of search jobs given:", u"Totaal aantal zoekopdrachten gegeven:"},           // 18
    {u"Reset language files", u"Taal bestanden herstellen"},                                     // 19
    {nullptr, nullptr}, // 20: named hosts, see assignHostSlots
    {nullptr, nullptr}, // 21: named hosts, see assignHostSlots
    {u"Display kilo joule values in bar chart.", u"Geef kilojoulewaarden weer in barchart."},     // 22
    {u"Display kilo calorie values in bar chart.", u"Geef kilocaloriewaarden weer in barchart."}, // 23
    {u"Show pop-up when I send Dietlens to my system tray.",
     u"Geef melding als ik Dietlens naar system tray verstuur."}, // 24
    {u"Show 'connect first' pop-up when I start Dietlens.",
     u"Geef 'connect eerst' melding als ik Dietlens opstart."}, // 25
    {u"Cancel", u"Annuleren"},                                  // 26
    {u"Save", u"Opslaan"},                                      // 27
    {u"An error occurred while saving the setting file.",
     u"Er heeft zich een fout voorgedaan tijdens het verwerken van de instellingen."},   // 28
    {u"Restart Dietlens and try again.", u"Herstart het programma en probeer opnieuw."}, // 29
    {u"An error occurred while opening the language files.",
     u"Er heeft zich een fout voorgedaan tijdens het openen van de taalbestanden."}, // 30
    {u"Reset the language files and try again.",
     u"Herstel de taalbestanden handmatig en probeer opnieuw."},                  // 31
    {u"You did not enter a first name.", u"Er is nog geen voornaam opgegeven."},  // 32
    {u"Please enter a first name and try again.", u"Voer een voornaam in."},      // 33
    {u"You did not enter a last name.", u"Er is nog geen achternaam opgegeven."}, // 34
    {u"Please enter a last name and try again.", u"Voer een achternaam in."},     // 35
    {u"You did not select a language.", u"Er is nog geen taal geselecteerd."},    // 36
    {u"Please select a language and try again.", u"Selecteer een taal."},         // 37
    {u"An error occurred while saving the setting file.",
     u"Er heeft zich een fout voorgedaan tijdens het opslaan van de instellingen."},       // 38
    {u"Restart Dietlens and try again.", u"Herstart het programma en probeer opnieuw."},   // 39
    {u"About Menuvia FOOD:", u"Over Menuvia FOOD:"},                                       // 40
    {u"Total number of added food items:", u"Totaal aantal voedingsmiddelen toegevoegd:"}, // 41
    {u"Recieve information by email:", u"Nieuwsbrief per email ontvangen:"},               // 42
    {u"Yes, I would like to recieve information about Quelmar products.",
     u"Ja, ik ontvang graag informatie over producten van Quelmar."}, // 43
    {u"Keep Dietlens on top (always on top function).",
     u"Geef Dietlens weer boven andere vensters (always on top)."},                                  // 44
    {u"Display food weight in:", u"Geef het het gewicht van voedingsmiddelen weer in:"},             // 45
    {u"Gram", u"Gram"},                                                                              // 46
    {u"Oz ", u"Oz "},                                                                                // 47
    {u"The settings are not completed yet.", u"De instellingen zijn nog niet volledig ingevoerd."},  // 48
    {u"Fill in all the settings and press save.", u"Voer alle instellingen in en druk op opslaan."}, // 49
};
static_assert(std::size(kProperties) == 50);

// F06_lng_, slots 0 to 15.
constexpr SlotText kInformation[] = {
    {u"More information", u"Meer informatie"},       // 0
    {u"About Dietlens:", u"Over Dietlens:"},         // 1
    {u"About Menuvia FOOD:", u"Over Menuvia FOOD:"}, // 2
    {nullptr, nullptr},                              // 3: named hosts, see assignHostSlots
    {u"If you want more details and information about nutrition, your weight or what your are eating, then "
     u"the program Menuvia Food from Quelmar is really something for you! Visit our Internet site for more "
     u"information.",
     u"Als je nóg gedetailleerdere informatie wilt over voedingswaarden, je gewichtsverloop of je eetpatroon "
     u"in kaart wilt brengen, dan is het programma Menuvia Food van Quelmar echt iets voor jou! Bezoek onze "
     u"website voor meer informatie."}, // 4
    {u"+ Keep track of your weight and consumption per day.",
     u"+ Houd dagelijks je gewicht en consumpties bij."}, // 5
    {u"+ See if you consume the recommended daily nutrition. ",
     u"+ Zie of jij je aan de aanbevolen voedingswaarden houdt."}, // 6
    {u"+ View detailed graphs of your consumption and weight loss.",
     u"+ Bekijk gedetailleerde grafieken van je eetpatroon."}, // 7
    {u"+ Access information about more than 1700 food items.",
     u"+ Direct toegang tot meer dan 900 voedingsmiddelen."}, // 8
    {u"+ Make your own lists and personalise portions.",
     u"+ Maak je eigen lijsten en persoonlijke porties."}, // 9
    {u"Visit our website for more information about our products.",
     u"Bezoek onze website voor meer informatie over onze producten."}, // 10
    {u"-EMPTY-", u"-LEEG-"},                                            // 11
    {u"-EMPTY-", u"-LEEG-"},                                            // 12
    {u"-EMPTY-", u"-LEEG-"},                                            // 13
    {u"Website", u"Website"},                                           // 14
    {u"Cancel", u"Annuleren"},                                          // 15
};
static_assert(std::size(kInformation) == 16);

// F07_lng_, slots 0 to 40.
constexpr SlotText kFunctions[] = {
    {u"Cannot create the file 'dl2set.dat'.", u"Kan bestand 'dl2set.dat' niet wegschrijven."}, // 0
    {u"Is the disk write protected?", u"Kan niet schrijven op de schijf."},                    // 1
    {u"Make sure the disk is not write protected.",
     u"Zorg ervoor dat de schijf niet op 'Write-protected' staat."}, // 2
    {u"The file 'dl2set.dat' has not been found on this computer.",
     u"Het bestand 'dl2set.dat' is niet gevonden of is beschadigd."}, // 3
    {u"This is probably this is the first time that you have started up Dietlens.",
     u"Waarschijnlijk is dit de eerste keer dat u Dietlens opstart."}, // 4
    {u"Fill in all the required fields in the settings window.",
     u"Stel bij de instellingen de gewenste taal en database server in."}, // 5
    {u"Press 'OK' to open the settings window.",
     u"Druk op 'OK' om naar het instellingenscherm van Dietlens te gaan."}, // 6
    {u"An error occurred while opening the bookmark file.",
     u"Er heeft zich een fout voorgedaan tijdens het inlezen van de database."}, // 7
    {u"An error occurred while saving the bookmark file.",
     u"Er heeft zich een fout voorgedaan tijdens het opslaan van de database."},   // 8
    {u"(not connected)", u"(niet verbonden)"},                                     // 9
    {u"Make a connection with the server", u"Maak een verbinding met de server."}, // 10
    {u"Connect to server", u"Maak verbinding met server."},                        // 11
    {u"Make a connection with the server", u"Maak een verbinding met de server."}, // 12
    {u"(connected)", u"(verbonden)"},                                              // 13
    {u"Disconnect from server", u"Verbreek de verbinding met de server."},         // 14
    {u"Disconnect", u"Verbreek verbinding met server."},                           // 15
    {u"Connected to server", u"Verbonden met de server."},                         // 16
    {u"Enter a food item to search.", u"Geef een nieuwe zoekopdracht."},           // 17
    {u"There are (", u"Er zijn ("},                                                // 18
    {u") results for", u") resultaten gevonden voor."},                            // 19
    {u"An error occurred while running an internal function.",
     u"Er heeft zich een fout voorgedaan tijden het uitvoeren van een functie."}, // 20
    {u"Please contact Quelmar when this error occurs more then onces.",
     u"Neem contact op met Quelmar indien deze fout zich vaker voordoet."}, // 21
    {u"An error occurred while making a directory.",
     u"Er heeft zich een fout voorgedaan tijdens het aanmaken van een directory."}, // 22
    {u"An error occurred while generating the bar chart.",
     u"Er heeft zich een fout voorgedaan tijdens het maken van de grafiek."}, // 23
    {u"Kilojoules per", u"Kilojoules per"},                                   // 24
    {u"Kilojoules per", u"Kilojoules per"},                                   // 25
    {u"Kilocalories per", u"Kilocaloriën per"},                               // 26
    {u"Saturated fat per", u"Verzadigde vetten per"},                         // 27
    {u"Unsaturated fat per", u"Onverzadigde vetten per"},                     // 28
    {u"Sodium per", u"Natrium per"},                                          // 29
    {u"Protein per", u"Eiwitten per"},                                        // 30
    {u"Carbohydrates per", u"Koolhydraten per"},                              // 31
    {u"Gram", u"Gram"},                                                       // 32
    {u"Kj ", u"Kj "},                                                         // 33
    {u"Kj ", u"Kj "},                                                         // 34
    {u"Kcal", u"Kcal"},                                                       // 35
    {u"Gr.", u"Gr."},                                                         // 36
    {u"An error occurred during the calculations of Menuvia FOOD.",
     u"Er heeft zich een fout voorgedaan tijdens de berekeningen van Menuvia."},                        // 37
    {u"Please notify us about this error.", u"We verzoeken u deze foutmelding aan ons door te geven."}, // 38
    {nullptr, nullptr}, // 39: named hosts, see assignHostSlots
    {u"oz ", u"oz "},   // 40
};
static_assert(std::size(kFunctions) == 41);
// The form names of table 0: one per text table; 8 to 24 are unused forms.
constexpr const char16_t* kFormNames[] = {u"Main screen",   u"New food item", u"Connection pop-up",
                                          u"ToTray pop-up", u"Properties",    u"Information",
                                          u"Functions"};

void assignTable(LanguageTables& tables, int table, const SlotText* slots, int count, Language language)
{
    for (int i = 0; i < count; ++i) {
        const char16_t* text = language == Language::English ? slots[i].english : slots[i].dutch;
        if (text)
            tables.set(table, i, QString::fromUtf16(text));
    }
}

template <size_t N>
void assignTable(LanguageTables& tables, int table, const SlotText (&slots)[N], Language language)
{
    assignTable(tables, table, slots, int(N), language);
}

QString webAddress(const QString& host)
{
    return QStringLiteral("http://") + host;
}

// The slots whose texts name the servers and web sites of the deployment.
void assignHostSlots(LanguageTables& tables, const ServerHosts& hosts, Language language)
{
    if (language == Language::English) {
        tables.set(text::Main::WebsiteAddress, hosts.siteEn);
        tables.set(
            text::NewFoodItem::Introduction,
            QStringLiteral("With this window you can rapidly add new food items to our online database. "
                           "Fill in all the nutrition values and press the send button to submit the "
                           "food item."));
        tables.set(text::Settings::UseTheDutchDatabase,
                   QStringLiteral("Use the Dutch database (") + hosts.foodNl + QStringLiteral(")"));
        tables.set(text::Settings::UseTheEnglishDatabase,
                   QStringLiteral("Use the English database (") + hosts.foodEn + QStringLiteral(")"));
        tables.set(text::Information::ProductDescription,
                   QStringLiteral("Dietlens is a product of Quelmar. Dietlens uses the database of ") +
                       webAddress(hosts.foodEn) +
                       QStringLiteral(" to find nutrition values and display these values in graphs. "
                                      "Dietlens needs a connection with Internet."));
        tables.set(text::Functions::ContactUsAtOurWebsite,
                   QStringLiteral("You can contact us at our website ") + hosts.siteEn);
    } else {
        tables.set(text::Main::WebsiteAddress, hosts.siteNl);
        tables.set(
            text::NewFoodItem::Introduction,
            QStringLiteral(
                "Met dit venster kun je snel nieuwe voedingsmiddelen toevoegen aan de database van ") +
                hosts.foodNl +
                QStringLiteral(". Vul de voedingswaarden in en druk op verzenden om het voedingsmiddel "
                               "te versturen."));
        tables.set(text::Settings::UseTheDutchDatabase,
                   QStringLiteral("Gebruik de Nederlandse database (") + hosts.foodNl + QStringLiteral(")"));
        tables.set(text::Settings::UseTheEnglishDatabase,
                   QStringLiteral("Gebruik de Engelse database (") + hosts.foodEn + QStringLiteral(")"));
        tables.set(
            text::Information::ProductDescription,
            QStringLiteral("Dietlens is een product van Quelmar. Dietlens gebruikt de voedingsmiddelen "
                           "database van ") +
                webAddress(hosts.foodNl) +
                QStringLiteral(" en zet de gegevens uit in duidelijk afleesbare grafieken. Dietlens "
                               "heeft een verbinding met internet nodig."));
        tables.set(text::Functions::ContactUsAtOurWebsite,
                   QStringLiteral("U kunt ons bereiken via ") + hosts.siteNl);
    }
}

void createLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts,
                    Language language)
{
    for (int i = 0; i < int(std::size(kFormNames)); ++i)
        tables.set(0, i + 1, QString::fromUtf16(kFormNames[i]));
    for (int i = 8; i <= 24; ++i)
        tables.set(0, i, QStringLiteral("- EMPTY FORM -"));

    assignTable(tables, 1, kMainScreen, language);
    assignTable(tables, 2, kNewFoodItem, language);
    assignTable(tables, 3, kConnectionPopup, language);
    assignTable(tables, 4, kToTrayPopup, language);
    assignTable(tables, 5, kProperties, language);
    assignTable(tables, 6, kInformation, language);
    assignTable(tables, 7, kFunctions, language);
    assignHostSlots(tables, hosts, language);

    const int h = LanguageTables::kHeaderTable;
    tables.set(h, 0, QStringLiteral("Dietlens"));
    tables.set(h, 1, programVersion);
    tables.set(h, 2, QStringLiteral("Quelmar"));
    tables.set(h, 3, QStringLiteral("01-06-2005"));
    tables.set(h, 4, QStringLiteral("1"));
}

using Generator = void (*)(LanguageTables&, const QString&, const ServerHosts&);

struct DefaultFile
{
    const char16_t* name;
    Generator generate;
};

// Written in this order; "default.lsf" holds the English texts under the
// name the program falls back to.
const DefaultFile kDefaultFiles[] = {
    {u"English.lsf", static_cast<Generator>(&CreateEnglishLanguage)},
    {u"Nederlands.lsf", static_cast<Generator>(&CreateDutchLanguage)},
    {u"default.lsf", static_cast<Generator>(&CreateDefaultLanguage)},
};

// Writes the default files; with `always` every one of them, otherwise only
// those that are missing or not made for this program version.
Result<bool, Problem> writeDefaultFiles(const QString& folder, const ServerHosts& hosts, bool always)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {false, {{ProblemKind::LanguageFolderMissing, QString()}}};
    Result<bool, Problem> written{true, {}};
    for (const DefaultFile& file : kDefaultFiles) {
        const QString path = LanguageFilePath(folder, QString::fromUtf16(file.name));
        if (!always) {
            const Result<QString, Problem> version = dietlensResult(GetLanguageFileVersion(path));
            written.problems += version.problems;
            if (version.value == ProgramVersion() && FileExists(path))
                continue;
        }
        // A fresh set of tables, so the file holds exactly the built-in texts.
        const auto tables = std::make_unique<LanguageTables>();
        file.generate(*tables, ProgramVersion(), hosts);
        const Result<void, Problem> saved = dietlensResult(SaveLanguageFile(*tables, path));
        if (!saved.ok())
            written.value = false;
        written.problems += saved.problems;
    }
    return written;
}

} // namespace

void CreateEnglishLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts)
{
    createLanguage(tables, programVersion, hosts, Language::English);
}

void CreateDutchLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts)
{
    createLanguage(tables, programVersion, hosts, Language::Dutch);
}

void CreateDefaultLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts)
{
    CreateEnglishLanguage(tables, programVersion, hosts);
}

void CreateEnglishLanguage(LanguageTables& tables, const ServerHosts& hosts)
{
    CreateEnglishLanguage(tables, ProgramVersion(), hosts);
}

void CreateDutchLanguage(LanguageTables& tables, const ServerHosts& hosts)
{
    CreateDutchLanguage(tables, ProgramVersion(), hosts);
}

void CreateDefaultLanguage(LanguageTables& tables, const ServerHosts& hosts)
{
    CreateDefaultLanguage(tables, ProgramVersion(), hosts);
}

QString LanguageFilePath(const QString& languageFolder, const QString& fileName)
{
    if (languageFolder.isEmpty() || languageFolder.endsWith(QLatin1Char('/')))
        return languageFolder + fileName;
    return languageFolder + QLatin1Char('/') + fileName;
}

Result<bool, Problem> EnsureDefaultLanguageFiles(const QString& languageFolder, const ServerHosts& hosts)
{
    return writeDefaultFiles(languageFolder, hosts, false);
}

Result<bool, Problem> ResetLanguageFiles(const QString& languageFolder, const QString& languageFile,
                                         const ServerHosts& hosts, LanguageTables& lang)
{
    Result<bool, Problem> reset = writeDefaultFiles(languageFolder, hosts, true);
    // The generators worked on their own tables; the language the settings
    // name is read again, so a Dutch user keeps Dutch texts.
    reset.problems +=
        dietlensResult(LoadLanguageFile(lang, LanguageFilePath(languageFolder, languageFile))).problems;
    return reset;
}
