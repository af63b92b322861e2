#pragma once

/// The colour a status text or dot is shown in; the views map it to the palette.
enum class Tone {
    Secondary, ///< the secondary label colour
    Error, ///< red
    Warning, ///< orange
    Success, ///< green
};
