// The front end's state: the star field and the front-end screens.
#include "model/front_end_state.h"
#include "model/star_field.h"

StarField starField;
FrontEndState frontEnd;
