// SPDX-License-Identifier: MIT
#pragma once

// How the program uses the C library's heap, in one place.
namespace allocator {

// One heap for every thread: the store's and the toolkit's threads
// allocate little, and a heap of their own each would keep its free space
// resident for the whole run. First thing in main, before any thread.
void setPolicy();

// Gives the heap's free memory back to the system, after something that
// used much of it for a while and is over (a reading, say).
void giveBack();

} // namespace allocator
