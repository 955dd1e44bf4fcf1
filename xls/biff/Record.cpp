// BIFF8 record framing.
