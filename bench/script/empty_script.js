// Nothing: the start-up of `cellvex script` alone.
