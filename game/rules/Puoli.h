#pragma once

// The two sides of a game, and the grids they lay their fleets on: the
// player's on the left, the computer's on the right.
enum class Puoli { Pelaaja, Kone };
