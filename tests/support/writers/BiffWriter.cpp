#include "support/writers/BiffWriter.h"
