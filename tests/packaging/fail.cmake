# Fails with the message given in MESSAGE.
message(FATAL_ERROR "${MESSAGE}")
