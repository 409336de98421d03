// The key card's state.
#include "model/key_card.h"

KeyCardState keyCard;
