#pragma once

// The pictures a grid square can show, copied from the window's templates.
enum class Kuva { Vesi, Laiva, Osuma, Ohi, OsumaViimeksi, OhiViimeksi };
