// The register's keys: answer, hold, close, delete, correct, and the item keys.
#pragma once

void RegisterControl(const bool* keys, int& registerState, float headsetBattery, int& carsInLine);
void RegisterKeys(const bool* keys);
// One keyed item: a cook job, and a receipt line while an order is open.
void keyItem(int itemNumber);
