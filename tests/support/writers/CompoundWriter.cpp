#include "support/writers/CompoundWriter.h"
