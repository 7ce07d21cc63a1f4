x = 1
y = x / 0
print "not reached"
