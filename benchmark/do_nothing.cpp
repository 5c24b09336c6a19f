// The floor of a run under Wine: a Windows program that starts and ends.
int main() { return 0; }
