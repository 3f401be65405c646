#include "alto/alto.h"
