Cellvex.NoSuchMember(1);
