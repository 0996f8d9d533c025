#pragma once
// Written by scripts/textslots.py from the built-in texts; do not edit by hand.
// The texts of messages and texts of the program's functions: table 7, slot by slot, with the English text.
#include "lang/languagetables.h"

// clang-format off
namespace text::Functions {

inline constexpr TextSlot CannotCreateTheFileDl2set{7, 0}; // "Cannot create the file 'dl2set.dat'."
inline constexpr TextSlot IsTheDiskWriteProtected{7, 1}; // "Is the disk write protected?"
inline constexpr TextSlot MakeSureTheDiskIs{7, 2}; // "Make sure the disk is not write protected."
inline constexpr TextSlot TheFileDl2setDatHas{7, 3}; // "The file 'dl2set.dat' has not been found on this computer."
inline constexpr TextSlot ThisIsProbablyThisIs{7, 4}; // "This is probably this is the first time that you have sta..."
inline constexpr TextSlot FillInAllTheRequired{7, 5}; // "Fill in all the required fields in the settings window."
inline constexpr TextSlot PressOKToOpenThe{7, 6}; // "Press 'OK' to open the settings window."
inline constexpr TextSlot AnErrorOccurredWhileOpening{7, 7}; // "An error occurred while opening the bookmark file."
inline constexpr TextSlot AnErrorOccurredWhileSaving{7, 8}; // "An error occurred while saving the bookmark file."
inline constexpr TextSlot NotConnected{7, 9}; // "(not connected)"
inline constexpr TextSlot MakeAConnectionWithThe10{7, 10}; // "Make a connection with the server"
inline constexpr TextSlot ConnectToServer{7, 11}; // "Connect to server"
inline constexpr TextSlot MakeAConnectionWithThe12{7, 12}; // "Make a connection with the server"
inline constexpr TextSlot Connected{7, 13}; // "(connected)"
inline constexpr TextSlot DisconnectFromServer{7, 14}; // "Disconnect from server"
inline constexpr TextSlot Disconnect{7, 15}; // "Disconnect"
inline constexpr TextSlot ConnectedToServer{7, 16}; // "Connected to server"
inline constexpr TextSlot EnterAFoodItemTo{7, 17}; // "Enter a food item to search."
inline constexpr TextSlot ThereAre{7, 18}; // "There are ("
inline constexpr TextSlot ResultsFor{7, 19}; // ") results for"
inline constexpr TextSlot AnErrorOccurredWhileRunning{7, 20}; // "An error occurred while running an internal function."
inline constexpr TextSlot PleaseContactQuelmarWhenThis{7, 21}; // "Please contact Quelmar when this error occurs more then o..."
inline constexpr TextSlot AnErrorOccurredWhileMaking{7, 22}; // "An error occurred while making a directory."
inline constexpr TextSlot AnErrorOccurredWhileGenerating{7, 23}; // "An error occurred while generating the bar chart."
inline constexpr TextSlot KilojoulesPer24{7, 24}; // "Kilojoules per"
inline constexpr TextSlot KilojoulesPer25{7, 25}; // "Kilojoules per"
inline constexpr TextSlot KilocaloriesPer{7, 26}; // "Kilocalories per"
inline constexpr TextSlot SaturatedFatPer{7, 27}; // "Saturated fat per"
inline constexpr TextSlot UnsaturatedFatPer{7, 28}; // "Unsaturated fat per"
inline constexpr TextSlot SodiumPer{7, 29}; // "Sodium per"
inline constexpr TextSlot ProteinPer{7, 30}; // "Protein per"
inline constexpr TextSlot CarbohydratesPer{7, 31}; // "Carbohydrates per"
inline constexpr TextSlot Gram{7, 32}; // "Gram"
inline constexpr TextSlot Kj33{7, 33}; // "Kj "
inline constexpr TextSlot Kj34{7, 34}; // "Kj "
inline constexpr TextSlot Kcal{7, 35}; // "Kcal"
inline constexpr TextSlot Gr{7, 36}; // "Gr."
inline constexpr TextSlot AnErrorOccurredDuringThe{7, 37}; // "An error occurred during the calculations of Menuvia FOOD."
inline constexpr TextSlot PleaseNotifyUsAboutThis{7, 38}; // "Please notify us about this error."
inline constexpr TextSlot ContactUsAtOurWebsite{7, 39}; // "You can contact us at our website (site)"
inline constexpr TextSlot Oz{7, 40}; // "oz "

} // namespace text::Functions
// clang-format on
