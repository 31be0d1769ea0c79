#pragma once
#include <cstdint>
#include <string>

#include "ai/AlarmMessage.h"
#include "entity/Message.h"

// The commands of the game logic's command entity, as the console, the GUI screens and the
// command entity itself name them.

// Developer commands on the current map and the physics: "mapto3ds file", "lockvis 1",
// "purgephy", "mapIndex n".
inline constexpr Message<std::string> kMapTo3ds{"mapto3ds"};
inline constexpr Message<bool> kLockVis{"lockvis"};
inline constexpr Message<> kPurgePhy{"purgephy"};
inline constexpr Message<int> kMapIndex{"mapIndex"};
// "map name": the named map list, started at once.
inline constexpr Message<std::string> kMap{"map"};

// The menu screens' buttons and steps, and the per-frame handlers the screens name (the way on
// from the intro, "MainMenu", is declared by the graphics, which ask for it).
inline constexpr Message<> kClickStartGame{"ClickStartGame"};
inline constexpr Message<> kClickGo{"ClickGo"};
inline constexpr Message<> kClickQuitGame{"ClickQuitGame"};
inline constexpr Message<> kQuitGame{"QuitGame"};
inline constexpr Message<> kClickPlayerSelect{"ClickPlayerSelect"};
inline constexpr Message<> kLoad{"Load"};
// Asked for once the load screen shows, or typed: starts the game from the map list.
inline constexpr Message<> kStartGame{"StartGame"};
inline constexpr Message<> kPlayerSelect{"PlayerSelect"};
inline constexpr Message<> kOutfitSelect{"OutfitSelect"};
inline constexpr Message<> kOutfitSelectMale{"OutfitSelectMale"};
inline constexpr Message<> kOutfitSelectFemale{"OutfitSelectFemale"};
inline constexpr Message<> kOptions{"Options"};
inline constexpr Message<> kOutfitToggle1{"OutfitToggle1"};
inline constexpr Message<> kOutfitToggle2{"OutfitToggle2"};
inline constexpr Message<> kOutfitToggle3{"OutfitToggle3"};
inline constexpr Message<> kOutfitToggle4{"OutfitToggle4"};
inline constexpr Message<> kArrowMoveHandler{"ArrowMoveHandler"};
inline constexpr Message<> kCreditsHandler{"CreditsHandler"};
inline constexpr Message<> kShowCredits{"ShowCredits"};
inline constexpr Message<> kOptionsHandler{"OptionsHandler"};
inline constexpr Message<> kChangeDifficulty1{"ChangeDifficulty1"};
inline constexpr Message<> kChangeDifficulty2{"ChangeDifficulty2"};
inline constexpr Message<> kChangeDifficulty3{"ChangeDifficulty3"};
inline constexpr Message<> kChangeTime1{"ChangeTime1"};
inline constexpr Message<> kChangeTime2{"ChangeTime2"};
inline constexpr Message<> kChangeTime3{"ChangeTime3"};
inline constexpr Message<> kChangeTime4{"ChangeTime4"};

// The running game's steps, the alarm's ("Alarm" itself is the sender's, ai/AlarmMessage.h)
// and the end of a round's.
inline constexpr Message<> kBusted{"Busted"};
inline constexpr Message<> kHideBusted{"HideBusted"};
inline constexpr Message<> kGetItem{"GetItem"};
inline constexpr Message<> kHideItem{"HideItem"};
inline constexpr Message<> kDropOffItem{"DropOffItem"};
inline constexpr Message<> kAlarmOff{"AlarmOff"};
inline constexpr Message<> kEndGame{"EndGame"};
inline constexpr Message<> kEndRoundHandler{"EndRoundHandler"};
inline constexpr Message<> kNextItem{"NextItem"};
inline constexpr Message<> kShowWinner{"ShowWinner"};
inline constexpr Message<> kEndSession{"EndSession"};
inline constexpr Message<> kExitFromGame{"ExitFromGame"};
// A frozen entity (by id) thaws.
inline constexpr Message<uint32_t> kUnfreezeEntity{"UnfreezeEntity"};

// The main scheme's key: opens and closes the console.
inline constexpr Message<bool> kConsole{"Console"};
