// SPDX-License-Identifier: MIT
#include "allocator.h"

#include <malloc.h>

void allocator::setPolicy()
{
    mallopt(M_ARENA_MAX, 1);
}

void allocator::giveBack()
{
    malloc_trim(0);
}
