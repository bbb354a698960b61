#pragma once

// Index of every settings entry that the program reads or writes. Entries that mirror a
// check box are checked only when they hold exactly their checked value: 1, their own
// index, or 300 (see the comments).
namespace tavu::entry {

inline constexpr int MapRuleFirst = 0;           // 0..6: SetU1..SetU7, checked = 1
inline constexpr int MapCondition = 7;           // CBSet1
inline constexpr int MapSpinFirst = 8;           // 8..13: SESet1..SESet6
inline constexpr int LandElement = 14;           // CBset2
inline constexpr int BookCountFirst = 15;        // 15..17: AbsoluteSE1..3
inline constexpr int BookCheckFirst = 18;        // 18..21: AbsoluteCB1..4, checked = 1
inline constexpr int CreatureSingleCopies = 22;  // CCB1A
inline constexpr int CreatureMultipleCount = 23; // CSE4B
inline constexpr int ItemSingleCopies = 24;      // ICB4
inline constexpr int ItemMultipleCount = 25;     // ISE4B
inline constexpr int SpellSingleCopies = 26;     // SpellCB1A
// Output boxes, checked = own index.
inline constexpr int CreatureSingleOutput = 27;   // CCB2A
inline constexpr int CreatureMultipleOutput = 28; // CCB2B
inline constexpr int ItemSingleOutput = 29;       // ICB1
inline constexpr int ItemMultipleOutput = 30;     // ICB5B
inline constexpr int SpellSingleOutput = 31;      // SCB1A
inline constexpr int SpellMultipleOutput = 32;    // SCB2B
// "指定無し" boxes, checked = own index.
inline constexpr int CreatureRandomCount = 33; // CCB1B
inline constexpr int ItemRandomCount = 34;     // ICB4B
inline constexpr int SpellRandomCount = 35;    // SCB1B
// Rarity E boxes, checked = 300.
inline constexpr int CreatureSingleRarityE = 36;   // CRCB4A
inline constexpr int CreatureMultipleRarityE = 37; // CRCB4B
inline constexpr int ItemSingleRarityE = 38;       // ItemReaCBox1E
inline constexpr int ItemMultipleRarityE = 39;     // ItemReaCBox2E
inline constexpr int SpellSingleRarityE = 40;      // SCB1E
inline constexpr int SpellMultipleRarityE = 41;    // SCB2E
inline constexpr int RarityEChecked = 300;
inline constexpr int SpellMultipleCount = 42; // SSE1B
// "ファイルに出力後、リストをクリアする" boxes, checked = own index.
inline constexpr int CreatureSingleClear = 43;   // CCB3A
inline constexpr int CreatureMultipleClear = 44; // CCB3B
inline constexpr int ItemSingleClear = 45;       // ICB2
inline constexpr int ItemMultipleClear = 46;     // ICB6B
inline constexpr int SpellSingleClear = 47;      // SCB2A
inline constexpr int SpellMultipleClear = 48;    // SCB3B
inline constexpr int StayOnTop = 49;             // mnuWindowPos, checked = not 0
inline constexpr int LandLevel = 50;             // CBset3
inline constexpr int SuddenDeath = 51;           // CBSet4
inline constexpr int NoticeFirstYear = 53;
inline constexpr int NoticeLastYear = 54;
inline constexpr int DataVersion = 58;
inline constexpr int CpuElementFirst = 59; // 59..63: VS_CB1..VS_CB5, checked = 1
inline constexpr int CpuCount = 64;        // VS_ComboBox
inline constexpr int CpuOutput = 65;       // VS_CBFile1, checked = 1
inline constexpr int CpuClear = 66;        // VS_CBFile2, checked = 1
inline constexpr int CpuAllies = 67;       // VS_CBox2
// Record counts that come with the data files; the program never changes them.
inline constexpr int NoneCreatureCount = 70;
inline constexpr int ElementCreatureCount = 71;
inline constexpr int ItemCount = 72;
inline constexpr int SpellCount = 73;
inline constexpr int CardListCount = 74;
inline constexpr int MapCount = 75;
inline constexpr int OpponentCount = 76;
inline constexpr int ItemKindCountFirst = 77; // 77..80

} // namespace tavu::entry
