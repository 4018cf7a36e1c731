#include "EqPagesFixture.h"
