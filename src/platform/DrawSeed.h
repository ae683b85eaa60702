#pragma once

#include <QtGlobal>

// The seed of every draw a learner sees (a mock-exam paper, the order of random practice): the
// high-resolution clock, so that windows opened one after the other differ, unless a fixed seed was
// set. The screenshot tour fixes one, so that its pictures of two builds can be compared.
quint64 DrawSeed();
void FixDrawSeed(quint64 seed);
