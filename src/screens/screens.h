// The front-end screens: each draws itself and reads its keys, once per frame.
#pragma once

void TitleMenuScreen(const bool* keys, bool& optionsFlag, bool& creditsFlag, bool& quitFlag);
void OptionsScreen(const bool* keys, bool& optionsFlag);
void CreditsScreen(const bool* keys, bool& creditsFlag);
void ObjectiveScreen(const bool* keys, bool& objectiveFlag);
void ClosingScreen(bool& doneFlag);
