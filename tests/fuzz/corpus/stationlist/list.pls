[playlist]
File2=http://b.example/2
Title1=Prima
File1=http://a.example/1
NumberOfEntries=2
Version=2
