#pragma once
// Written by scripts/textslots.py from the built-in texts; do not edit by hand.
// The texts of the new food item window: table 2, slot by slot, with the English text.
#include "lang/languagetables.h"

// clang-format off
namespace text::NewFoodItem {

inline constexpr TextSlot AddFoodItemsToDatabase{2, 0}; // "Add food items to database"
inline constexpr TextSlot Introduction{2, 1}; // "With this window you can rapidly add new food items ..."
inline constexpr TextSlot GeneralInformation{2, 2}; // "General information:"
inline constexpr TextSlot OriginalNutritionValues{2, 3}; // "Original nutrition values:"
inline constexpr TextSlot YourName{2, 4}; // "Your name:"
inline constexpr TextSlot FoodItem{2, 5}; // "Food item"
inline constexpr TextSlot Remarks{2, 6}; // "Remarks:"
inline constexpr TextSlot TheNutritionValuesArePer{2, 7}; // "The nutrition values are per:"
inline constexpr TextSlot GramS{2, 8}; // "Gram(s)"
inline constexpr TextSlot Kilojoules{2, 9}; // "kilojoules:"
inline constexpr TextSlot Kilocalories{2, 10}; // "Kilocalories:"
inline constexpr TextSlot FatS{2, 11}; // "Fat(s)"
inline constexpr TextSlot FatU{2, 12}; // "Fat(u)"
inline constexpr TextSlot Protein{2, 13}; // "Protein:"
inline constexpr TextSlot Carbs{2, 14}; // "Carbs.:"
inline constexpr TextSlot Sodium{2, 15}; // "Sodium:"
inline constexpr TextSlot TheValueForSodiumIs{2, 16}; // "The value for sodium is in grams, 1 milligram = 0,001 grams"
inline constexpr TextSlot Cancel{2, 17}; // "Cancel"
inline constexpr TextSlot Submit{2, 18}; // "Submit"
inline constexpr TextSlot AnErrorOccurredDuringThe{2, 19}; // "An error occurred during the calculation of the food item."
inline constexpr TextSlot PleaseTryAgain{2, 20}; // "Please try again."
inline constexpr TextSlot NotAllValuesHaveBeen{2, 21}; // "Not all values have been filled in for the new food item."
inline constexpr TextSlot PleaseFillInTheMissing{2, 22}; // "Please fill in the missing values and press submit again."
inline constexpr TextSlot AnErrorOccurredWhileChecking{2, 23}; // "An error occurred while checking the new food item."
inline constexpr TextSlot PleaseContactQuelmarWhenThis{2, 24}; // "Please contact Quelmar when this error occurs more then o..."
inline constexpr TextSlot AnErrorOccurredWhileConnection{2, 25}; // "An error occurred while connection to the database on the..."
inline constexpr TextSlot TheFoodItemHasBeen{2, 26}; // "The food item has been sent to our database and has been ..."
inline constexpr TextSlot TheSubmittedFoodItemHas{2, 27}; // "The submitted food item has a ' red ' status at this moment."
inline constexpr TextSlot OneOfOurEmployeesWill{2, 28}; // "One of our employees will check the new foodstuff soon."
inline constexpr TextSlot ThanksForYourSubmission{2, 29}; // "Thanks for your submission!"
inline constexpr TextSlot AnErrorOccurredWhileAnalysing{2, 30}; // "An error occurred while analysing data."
inline constexpr TextSlot CheckYourInternetConnectionAnd{2, 31}; // "Check your internet connection and try again."
inline constexpr TextSlot Oz{2, 32}; // "oz "

} // namespace text::NewFoodItem
// clang-format on
