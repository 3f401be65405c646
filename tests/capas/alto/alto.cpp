#include "alto/alto.h"
#include "baixo/baixo.h"
